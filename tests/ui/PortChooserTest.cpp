// The port chooser of "Comm num:" in the real window, on a stand-in list of
// ports that the tests change while the chooser is open, as plugging an
// adapter in or pulling it out would.
#include "FakeFileDialogs.h"
#include "FakeMessagePresenter.h"
#include "MainWindow.h"
#include "MaskedLineEdit.h"
#include "PortChooser.h"
#include "PortPicker.h"
#include "QtPrinters.h"
#include "RecordingPort.h"

#include <QFile>
#include <QLabel>
#include <QMutex>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QToolButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace tarvek::config;
using namespace tarvek::serial;

namespace tarvek::ui
{
namespace
{

using namespace Qt::StringLiterals;

// Surveyed on the chooser's own thread while the test changes the ports.
class FakePorts final : public PortSource
{
public:
    PortSurvey survey() const override
    {
        const QMutexLocker lock(&m_mutex);
        ++m_surveys;
        return m_survey;
    }
    void set(std::vector<SurveyedPort> ports)
    {
        const QMutexLocker lock(&m_mutex);
        m_survey.ports = std::move(ports);
    }
    int surveys() const
    {
        const QMutexLocker lock(&m_mutex);
        return m_surveys;
    }

private:
    mutable QMutex m_mutex;
    PortSurvey m_survey;
    mutable int m_surveys = 0;
};

SurveyedPort Port(int number, const QString &device, const QString &description = {})
{
    return {{number, {device, description, {}, {}}}, {}};
}

const SurveyedPort kAdapter = Port(1, u"/dev/ttyUSB0"_s, u"FT232R USB UART"_s);
const SurveyedPort kOnBoard = Port(2, u"/dev/ttyS0"_s);
const SurveyedPort kOverride = Port(12, u"/dev/pts/3"_s);

// What a tooltip shows: Qt reads a text that looks like markup as rich text.
QString ShownText(const QString &toolTip)
{
    if (!Qt::mightBeRichText(toolTip))
        return toolTip;
    QTextDocument shown;
    shown.setHtml(toolTip);
    return shown.toPlainText();
}

// Longer than the chooser's interval between surveys.
constexpr int kWait = 5000;

class PortChooserTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ports.set({kAdapter, kOnBoard, kOverride});
        window = std::make_unique<MainWindow>(
            model, MainWindowServices{.messages = messages,
                                      .fileDialogs = dialogs,
                                      .port = port,
                                      .uploadHooks = UploadHooks{[](int) {}, [] {}},
                                      .ports = &ports});
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    const MainWindow::Controls &c() const { return window->controls(); }
    PortPicker *picker() const { return window->portChooser()->picker(); }

    void setComm(const QString &text) { ASSERT_TRUE(model.tracker.port.setText(text)); }

    // Opens the chooser by a key in "Comm num:"; null when it did not open.
    PortPicker *openBy(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        c().port->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(c().port, key, modifiers);
        return picker() && picker()->isVisible() ? picker() : nullptr;
    }

    // The numbers the chooser lists, in order.
    static QStringList listed(const PortPicker *picker)
    {
        QStringList numbers;
        for (int k = 0; k < picker->list()->topLevelItemCount(); ++k)
            numbers << picker->list()->topLevelItem(k)->text(0);
        return numbers;
    }

    // Waits for the chooser to list `numbers`: it surveys on a thread of its
    // own and hands the list over through the event loop.
    static ::testing::AssertionResult listsEventually(const PortPicker *picker,
                                                      const QStringList &numbers)
    {
        if (QTest::qWaitFor([&] { return listed(picker) == numbers; }, kWait))
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "lists " << listed(picker).join(u' ').toStdString();
    }
    static ::testing::AssertionResult selectsEventually(const PortPicker *picker,
                                                        std::optional<int> number)
    {
        if (QTest::qWaitFor([&] { return picker->selectedNumber() == number; }, kWait))
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "selects " << picker->selectedNumber().value_or(0)
                                             << ", not " << number.value_or(0);
    }

    static void press(const PortPicker *picker, Qt::Key key)
    {
        QTest::keyClick(picker->list(), key);
    }

    SettingsModel model;
    testing::FakeMessagePresenter messages;
    testing::FakeFileDialogs dialogs;
    testing::RecordingPort port;
    FakePorts ports;
    std::unique_ptr<MainWindow> window;
};

// The first frame does not wait for the ports: nothing is surveyed or built
// until the chooser is first opened.
TEST_F(PortChooserTest, BuiltAndSurveyedOnFirstUse)
{
    QCoreApplication::processEvents();
    EXPECT_EQ(picker(), nullptr);
    EXPECT_EQ(ports.surveys(), 0);
    ASSERT_TRUE(openBy(Qt::Key_F4));
    ASSERT_TRUE(listsEventually(picker(), {u"1"_s, u"2"_s, u"12"_s}));
}

// Beside "Comm num:", in the gap before SEND; Tab passes it by.
TEST_F(PortChooserTest, ButtonLiesBesideTheFieldOutOfTheKeyboardOrder)
{
    const QRect button = c().portButton->geometry();
    const QRect field = c().port->geometry();
    EXPECT_GT(button.left(), field.right());
    EXPECT_LE(button.left(), field.right() + 2);
    EXPECT_LT(button.right(), c().sendButton->geometry().left());
    EXPECT_EQ(button.top(), field.top());
    EXPECT_TRUE(c().portButton->isVisible());
    EXPECT_EQ(c().portButton->focusPolicy(), Qt::NoFocus);
    c().port->setFocus(Qt::TabFocusReason);
    QTest::keyClick(c().port, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), c().sendButton);
}

struct Opening {
    const char *name;
    Qt::Key key; // Qt::Key_unknown: the button
    Qt::KeyboardModifiers modifiers;
};

class PortChooserOpening : public PortChooserTest, public ::testing::WithParamInterface<Opening>
{
};

// Each way opens it on the port whose number "Comm num:" holds.
TEST_P(PortChooserOpening, OpensOnTheCurrentNumber)
{
    setComm(u"12"_s);
    const Opening &opening = GetParam();
    PortPicker *opened = nullptr;
    if (opening.key == Qt::Key_unknown) {
        QTest::mouseClick(c().portButton, Qt::LeftButton);
        opened = picker() && picker()->isVisible() ? picker() : nullptr;
    } else {
        opened = openBy(opening.key, opening.modifiers);
    }
    ASSERT_TRUE(opened);
    ASSERT_TRUE(selectsEventually(opened, 12));
    EXPECT_EQ(QApplication::focusWidget(), opened->list());
    EXPECT_TRUE(opened->details()->text().startsWith(u"Port 12: /dev/pts/3\n"_s))
        << qPrintable(opened->details()->text());
}

INSTANTIATE_TEST_SUITE_P(Ways, PortChooserOpening,
                         ::testing::Values(Opening{"F4", Qt::Key_F4, Qt::NoModifier},
                                           Opening{"AltDown", Qt::Key_Down, Qt::AltModifier},
                                           Opening{"Button", Qt::Key_unknown, Qt::NoModifier}),
                         [](const auto &info) { return info.param.name; });

// Enter types the number into the field, as the operator would: Save
// writes it and SEND opens that port. Esc changes nothing.
TEST_F(PortChooserTest, EnterWritesTheNumberThroughTheFieldAndEscDoesNot)
{
    PortPicker *opened = openBy(Qt::Key_F4);
    ASSERT_TRUE(opened);
    ASSERT_TRUE(selectsEventually(opened, 1));
    press(opened, Qt::Key_Down);
    press(opened, Qt::Key_Escape);
    EXPECT_FALSE(opened->isVisible());
    EXPECT_EQ(model.tracker.port.text(), u"1"_s);

    ASSERT_TRUE(openBy(Qt::Key_F4));
    press(opened, Qt::Key_End);
    ASSERT_EQ(opened->selectedNumber(), std::optional(12));
    // The field may get the focus back, and select its text, only after the
    // choice has been typed: the number replaces the whole text all the same.
    c().port->end(false);
    press(opened, Qt::Key_Return);
    EXPECT_FALSE(opened->isVisible());
    EXPECT_EQ(c().port->text(), u"12"_s);
    EXPECT_EQ(window->focusWidget(), c().port);

    QTemporaryDir folder;
    dialogs.answer = folder.filePath(u"port.cfg"_s);
    window->save();
    QFile saved(*dialogs.answer);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readLine().startsWith("\"12\"")) << "the first value is Comm num:";
    window->send();
    EXPECT_TRUE(port.log().contains(u"port 12"_s)) << qPrintable(port.log().join(u' '));
}

// A number above 255 (TARVEK_COM300) is listed with the reason, greyed,
// and cannot be chosen into the field.
TEST_F(PortChooserTest, NumberAboveTheFieldsLargestCannotBeChosen)
{
    ports.set({kAdapter, Port(300, u"/dev/pts/9"_s)});
    PortPicker *opened = openBy(Qt::Key_F4);
    ASSERT_TRUE(opened);
    ASSERT_TRUE(listsEventually(opened, {u"1"_s, u"300"_s}));
    press(opened, Qt::Key_Down);
    ASSERT_EQ(opened->selectedNumber(), std::optional(300));
    EXPECT_FALSE(opened->chooseButton()->isEnabled());
    EXPECT_TRUE(opened->details()->text().contains(u"Comm num: takes 1 to 255"_s));
    EXPECT_NE(opened->list()->topLevelItem(1)->foreground(0),
              opened->list()->topLevelItem(0)->foreground(0));
    press(opened, Qt::Key_Return);
    EXPECT_TRUE(opened->isVisible());
    press(opened, Qt::Key_Escape);
    EXPECT_EQ(model.tracker.port.text(), u"1"_s);
}

// While open, the list follows the ports; the selected number stays
// selected, and when its port is pulled out and plugged in again it is
// selected again.
TEST_F(PortChooserTest, FollowsPluggingAndKeepsTheSelectedNumber)
{
    setComm(u"2"_s);
    PortPicker *opened = openBy(Qt::Key_F4);
    ASSERT_TRUE(opened);
    ASSERT_TRUE(listsEventually(opened, {u"1"_s, u"2"_s, u"12"_s}));
    ports.set({kAdapter, kOnBoard, Port(3, u"/dev/ttyACM0"_s), kOverride});
    ASSERT_TRUE(listsEventually(opened, {u"1"_s, u"2"_s, u"3"_s, u"12"_s}));
    EXPECT_EQ(opened->selectedNumber(), std::optional(2));

    ports.set({kAdapter, kOverride});
    ASSERT_TRUE(listsEventually(opened, {u"1"_s, u"12"_s}));
    EXPECT_EQ(opened->selectedNumber(), std::nullopt);
    EXPECT_EQ(opened->details()->text(), u"No port has number 2 now."_s);
    EXPECT_FALSE(opened->chooseButton()->isEnabled());

    ports.set({kAdapter, kOnBoard, kOverride});
    ASSERT_TRUE(selectsEventually(opened, 2));
    press(opened, Qt::Key_Escape);
}

// What a device calls itself is shown as written, never read as markup.
TEST_F(PortChooserTest, DeviceTextsAreShownAsWritten)
{
    const QString name = u"<b>Adapter</b> &amp; <font color=red>co</font>"_s;
    ports.set({Port(1, u"/dev/<i>tty</i>"_s, name)});
    PortPicker *opened = openBy(Qt::Key_F4);
    ASSERT_TRUE(opened);
    ASSERT_TRUE(listsEventually(opened, {u"1"_s}));
    const QTreeWidgetItem *item = opened->list()->topLevelItem(0);
    EXPECT_EQ(item->text(1), u"/dev/<i>tty</i>"_s);
    EXPECT_EQ(item->text(2), name);
    const QString described = u"Port 1: /dev/<i>tty</i>\n"_s + name + u"\nState: ready"_s;
    EXPECT_EQ(opened->details()->text(), described);
    EXPECT_EQ(opened->details()->textFormat(), Qt::PlainText);
    EXPECT_EQ(ShownText(item->toolTip(2)), described);
    press(opened, Qt::Key_Escape);
}

} // namespace
} // namespace tarvek::ui
