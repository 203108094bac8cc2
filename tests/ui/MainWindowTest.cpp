// The main window driven as an operator would: keys typed and Tab pressed
// in the real window, buttons clicked, the window closed; message boxes,
// file dialogs, the serial port and the help viewer are stand-ins, except in
// the SEND tests, which write to a pseudo-terminal through the real port, and
// where a close request meets Help's missing-file box, the real viewer's.
#include "BlockBuilder.h"
#include "ButtonColour.h"
#include "CalculatorWindow.h"
#include "CaptionFit.h"
#include "ControlAccess.h"
#include "DrawnFrame.h"
#include "FakeFileDialogs.h"
#include "FakeMessagePresenter.h"
#include "FormTable.h"
#include "Frames.h"
#include "HelpLauncher.h"
#include "InfoDialog.h"
#include "MainWindow.h"
#include "ManualHelp.h"
#include "MaskedLineEdit.h"
#include "MessagePresenter.h"
#ifndef Q_OS_WIN
#include "PtyPair.h"
#endif
#include "RecordingPort.h"
#include "ScopedVariable.h"
#include "SerialPort.h"
#include "SettingsDescription.h"
#include "SystemSerialPort.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStyleOptionFrame>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QWindow>
#include <gtest/gtest.h>

#include <chrono>

using namespace tarvek::config;
using namespace tarvek::serial;

namespace tarvek::ui
{
namespace
{

using namespace Qt::StringLiterals;

using testing::FakeFileDialogs;
using testing::FakeMessagePresenter;
#ifndef Q_OS_WIN
using testing::PtyPair;
#endif
using testing::RecordingPort;
using testing::ScopedVariable;

// The window manager's close request (the close box): a close event for the
// window's platform window, queued behind whatever is already queued.
void QueueCloseRequest(QWidget *window)
{
    QCoreApplication::postEvent(window->windowHandle(), new QCloseEvent);
}

// SEND has written everything when it returns; the far end reads it on its
// own thread, so the test waits that long at most for the upload's bytes.
constexpr int kWireSize = 120;
constexpr std::chrono::seconds kArrival{5};

class MainWindowTest : public ::testing::Test
{
protected:
    void open(SerialPort &port, ManualHelp *manual = nullptr)
    {
        window = std::make_unique<MainWindow>(
            model,
            MainWindowServices{messages, dialogs, port, manual ? manual : &help, std::nullopt});
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        settle();
    }
    void SetUp() override { open(port); }

    // Lets queued work (the select-all on focus) run.
    static void settle() { QCoreApplication::processEvents(); }

    const MainWindow::Controls &c() const { return window->controls(); }
    QWidget *focused() const { return QApplication::focusWidget(); }

    void typeInto(MaskedLineEdit *field, const QString &keys, bool selectFirst = true)
    {
        field->setFocus(Qt::OtherFocusReason);
        settle();
        if (selectFirst)
            field->selectAll();
        QTest::keyClicks(field, keys);
    }

    SettingsModel model;
    FakeMessagePresenter messages;
    FakeFileDialogs dialogs;
    RecordingPort port;
    QStringList helpCalls;
    QStringList unloaded;
    struct RecordingHelp final : ManualHelp {
        QStringList &calls;
        QStringList &unloads;
        RecordingHelp(QStringList &c, QStringList &u) : calls(c), unloads(u) {}
        void showManual(const QString &file, const QString &title) override
        {
            calls << file + QStringLiteral("|") + title;
        }
        void unload() override { unloads << QStringLiteral("frmIstruzioni"); }
    } help{helpCalls, unloaded};
    std::unique_ptr<MainWindow> window;
};

TEST_F(MainWindowTest, WindowIsFixedWithMinimizeOnly)
{
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Tarvek Config v3.0 by QX0ZZZ"));
    const double dpi = window->logicalDpiY();
    EXPECT_EQ(window->size(), QSize(qRound(4335 * dpi / 1440), qRound(7560 * dpi / 1440)));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_TRUE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(window->windowIcon().pixmap(QSize(32, 32)).isNull());
    EXPECT_EQ(c().micE->count(), 8);
    EXPECT_EQ(c().micE->itemText(7), QStringLiteral("Emergency"));
    EXPECT_FALSE(c().micE->isEditable());
}

TEST_F(MainWindowTest, StartsWithDefaultsAndFocusOnTxDelaySelected)
{
    EXPECT_EQ(focused(), c().txDelay);
    EXPECT_EQ(c().txDelay->selectedText(), QStringLiteral("200"));
    EXPECT_EQ(c().callsign->text(), QStringLiteral("NOCALL-9"));
    EXPECT_EQ(c().statusCounter->text(), QStringLiteral("[0]"));
    EXPECT_EQ(c().messageCounter->text(), QStringLiteral("[0]"));
    EXPECT_FALSE(window->infoDialog()->isVisible());
    EXPECT_FALSE(window->calculator()->isVisible());
}

// Every caption shows whole: inside its control, and not running under the
// next control on its right. Checked in both presentations.
void ExpectCaptionsWhole(const MainWindow &window)
{
    for (QWidget *control : window.findChildren<QWidget *>()) {
        if (captionWidth(control) == 0 || control->isHidden() || control->window() != &window)
            continue;
        EXPECT_TRUE(captionFits(control)) << control->objectName().toStdString();
        if (!qobject_cast<QLabel *>(control) && !qobject_cast<QCheckBox *>(control))
            continue;
        const QRect own = control->geometry();
        const int textEnd = own.left() + captionWidth(control);
        for (QObject *other : control->parentWidget()->children()) {
            auto *sibling = qobject_cast<QWidget *>(other);
            if (!sibling || sibling == control || sibling->isHidden() ||
                qobject_cast<QLabel *>(sibling))
                continue;
            const QRect g = sibling->geometry();
            const bool sameRows = g.top() < own.bottom() && g.bottom() > own.top();
            if (sameRows && g.left() > own.left()) {
                EXPECT_LE(textEnd, g.left())
                    << control->objectName().toStdString() << " runs under "
                    << sibling->objectName().toStdString();
            }
        }
    }
}

TEST_F(MainWindowTest, NoCaptionIsClipped)
{
    ExpectCaptionsWhole(*window);
    ASSERT_TRUE(model.tracker.statusText.setText(QString()));
    ASSERT_TRUE(model.tracker.message.setText(QString()));
    ExpectCaptionsWhole(*window); // the widest counters, "[29]" and "[38]"
    typeInto(c().gpsTimeout, QStringLiteral("0"));
    ASSERT_TRUE(c().gpslessButton->isVisible());
    ExpectCaptionsWhole(*window);
}

// Each setting's control carries its key as objectName, and the caption that
// the settings description gives it is one the windows show (a label, a frame
// or the control's own text; the calculator is a child of the main window).
TEST_F(MainWindowTest, DescribedSettingsAreTheWindowsControlsAndCaptions)
{
    ASSERT_TRUE(window->calculator()); // the calculator's settings are in its window
    QStringList shown;
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (auto *label = qobject_cast<QLabel *>(widget))
            shown << label->text().remove(u'&');
        else if (auto *button = qobject_cast<QAbstractButton *>(widget))
            shown << button->text();
        else if (auto *frame = qobject_cast<QGroupBox *>(widget))
            shown << frame->title();
    }
    for (const SettingDescription &setting : allSettings()) {
        EXPECT_TRUE(window->findChild<QWidget *>(setting.key)) << qPrintable(setting.key);
        EXPECT_TRUE(shown.contains(setting.caption)) << qPrintable(setting.key);
    }
}

TEST_F(MainWindowTest, CallsignFieldsUpperCaseAndDrop)
{
    typeInto(c().callsign, QStringLiteral("ab1"));
    EXPECT_EQ(model.tracker.callsign.text(), QStringLiteral("AB1"));
    QTest::keyClicks(c().callsign, QStringLiteral("/* ,"));
    EXPECT_EQ(c().callsign->text(), QStringLiteral("AB1"));
    typeInto(c().messageTo, QStringLiteral("q-7,"));
    EXPECT_EQ(model.tracker.messageTo.text(), QStringLiteral("Q-7"));
    typeInto(c().path, QStringLiteral("wide1-1,wide2-1 "));
    EXPECT_EQ(model.tracker.path.text(), QStringLiteral("WIDE1-1,WIDE2-1"));
}

// Types one character that has no key of its own in QTest's tables.
void TypeCharacter(QWidget *widget, const QString &text)
{
    QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, text, Qt::NoModifier);
}

TEST_F(MainWindowTest, MessageFilter)
{
    typeInto(c().message, QStringLiteral("a}{|~"));
    TypeCharacter(c().message, QStringLiteral(u"\u00e8"));
    QTest::keyClicks(c().message, QStringLiteral("b"));
    EXPECT_EQ(model.tracker.message.text(), QStringLiteral("a}b"));
    EXPECT_EQ(c().messageCounter->text(), QStringLiteral("[35]"));
}

TEST_F(MainWindowTest, StatusTextFilterFollowsTheAcquisitionTimeout)
{
    typeInto(c().statusText, QStringLiteral("x'`{|~y"));
    EXPECT_EQ(model.tracker.statusText.text(), QStringLiteral("xy"));
    ASSERT_TRUE(model.tracker.gpsTimeout.setText(QStringLiteral("000")));
    typeInto(c().statusText, QStringLiteral("x'`{|~y"));
    EXPECT_EQ(model.tracker.statusText.text(), QStringLiteral("x'`{y"));
}

struct Presentation {
    const char *label33;
    const char *label6;
    bool bold;
    bool gpsless;
};

void ExpectPresentation(const MainWindow::Controls &c, const Presentation &p)
{
    EXPECT_EQ(c.gpslessLabel->text(), QString::fromLatin1(p.label33));
    EXPECT_EQ(c.statusTextLabel->text(), QString::fromLatin1(p.label6));
    EXPECT_EQ(c.gpslessLabel->font().bold(), p.bold);
    EXPECT_EQ(c.statusTextLabel->font().bold(), p.bold);
    const QColor colour =
        p.gpsless ? QColor(0, 128, 0) : QApplication::palette().color(QPalette::ButtonText);
    EXPECT_EQ(c.gpslessLabel->palette().color(QPalette::WindowText), colour);
    EXPECT_EQ(c.statusTextLabel->palette().color(QPalette::WindowText), colour);
    EXPECT_EQ(c.micE->isVisible(), !p.gpsless);
    EXPECT_EQ(c.micELabel->isVisible(), !p.gpsless);
    EXPECT_EQ(c.gpslessButton->isVisible(), p.gpsless);
}

const Presentation kNormal{"(0=GPSless Mode)", "STATUS Text", false, false};
const Presentation kGpsless{"GPSless Mode", "GPSless Bcn", true, true};

TEST_F(MainWindowTest, GpslessSwitchFollowsEveryIntermediateText)
{
    ExpectPresentation(c(), kNormal);
    typeInto(c().gpsTimeout, QStringLiteral("0"));
    EXPECT_EQ(model.tracker.gpsTimeout.text(), QStringLiteral("0__"));
    ExpectPresentation(c(), kGpsless);
    QTest::keyClicks(c().gpsTimeout, QStringLiteral("2"));
    ExpectPresentation(c(), kNormal);
    QTest::keyClicks(c().gpsTimeout, QStringLiteral("5"));
    EXPECT_EQ(model.tracker.gpsTimeout.text(), QStringLiteral("025"));
    ExpectPresentation(c(), kNormal);
    // The Mic-E choice stays while its selector is hidden.
    c().micE->setCurrentIndex(3);
    typeInto(c().gpsTimeout, QStringLiteral("000"));
    ExpectPresentation(c(), kGpsless);
    EXPECT_EQ(model.tracker.micEMessage.index(), 3);
}

// The share of a drawn button that is green.
double GreenShare(QWidget &button)
{
    const QImage drawn = button.grab().toImage();
    qsizetype green = 0;
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            const QColor pixel = drawn.pixelColor(x, y);
            green += pixel.green() > pixel.red() + 60 && pixel.green() > pixel.blue() + 60;
        }
    }
    return double(green) / (qsizetype(drawn.width()) * drawn.height());
}

// "Calculate GPSless Bcn" shows green in the window's style.
TEST_F(MainWindowTest, GpslessButtonIsDrawnGreen)
{
    ASSERT_TRUE(model.tracker.gpsTimeout.setText(QStringLiteral("000")));
    EXPECT_GT(GreenShare(*c().gpslessButton), 0.5);
}

// A style that draws every button bevel grey, whatever the palette says, as
// the system's themes do.
class GreyButtonStyle final : public QProxyStyle
{
public:
    GreyButtonStyle() : QProxyStyle(QStringLiteral("Fusion")) {}
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override
    {
        if (element != CE_PushButtonBevel)
            return QProxyStyle::drawControl(element, option, painter, widget);
        painter->fillRect(option->rect, QColor(225, 225, 225));
    }
};

TEST(ButtonColour, ShowsInAStyleThatIgnoresThePalette)
{
    GreyButtonStyle grey;
    QPushButton button(QStringLiteral("Calculate"));
    button.resize(80, 32);
    button.setStyle(&grey);
    colourButton(&button, QColor(0, 160, 0));
    EXPECT_GT(GreenShare(button), 0.5);
}

TEST_F(MainWindowTest, DefaultRestoresEverythingAndTheCountersFollow)
{
    ASSERT_TRUE(model.tracker.statusText.setText(QString()));
    ASSERT_TRUE(model.tracker.message.setText(QString()));
    EXPECT_EQ(c().statusCounter->text(), QStringLiteral("[29]"));
    EXPECT_EQ(c().messageCounter->text(), QStringLiteral("[38]"));
    typeInto(c().gpsTimeout, QStringLiteral("0"));
    QTest::mouseClick(c().alternateTable, Qt::LeftButton);
    ASSERT_TRUE(model.tracker.alternateTable.isTicked());
    QTest::mouseClick(c().defaultButton, Qt::LeftButton);
    EXPECT_EQ(c().statusCounter->text(), QStringLiteral("[0]"));
    EXPECT_EQ(c().messageCounter->text(), QStringLiteral("[0]"));
    EXPECT_FALSE(c().alternateTable->isChecked());
    EXPECT_EQ(c().gpsTimeout->text(), QStringLiteral("025"));
    ExpectPresentation(c(), kNormal);
    EXPECT_TRUE(messages.shown.isEmpty());
}

// Default from a state where every setting differs from its default: each
// one must be written back, a check box or the Mic-E choice included.
TEST_F(MainWindowTest, DefaultRestoresEveryControlFromANonDefaultState)
{
    const std::pair<const char *, const char *> away[] = {{"edComm", "3"},
                                                          {"edNumFlagsAuto", "150"},
                                                          {"edMsgRepeat", "005"},
                                                          {"cbMicEMsg", "4"},
                                                          {"chkAutoReply", "1"},
                                                          {"edSymbol", "["},
                                                          {"chkTable", "1"},
                                                          {"esSpeedTable(0)", "0600"},
                                                          {"esSpeedTable(1)", "0400"},
                                                          {"esSpeedTable(2)", "300"},
                                                          {"esSpeedTable(3)", "200"},
                                                          {"esSpeedTable(4)", "150"},
                                                          {"esSpeedTable(5)", "120"},
                                                          {"esSpeedTable(6)", "100"},
                                                          {"edManualTime", "0600"},
                                                          {"edBcnEvery", "010"},
                                                          {"chkRxPosition", "1"},
                                                          {"edGpsCheckTime", "050"},
                                                          {"edGpsAcqTime", "030"},
                                                          {"edMyCall", "QX0ZZZ-7"},
                                                          {"edAprsPath", "WIDE2-1"},
                                                          {"edBeacon", "Hello"},
                                                          {"edDestCall", "QX1AAA"},
                                                          {"edAprsMsg", "Hi there"}};
    for (const auto &[name, value] : away) {
        const auto control = findControl(model, QString::fromLatin1(name));
        ASSERT_TRUE(control && writeControl(*control, QString::fromLatin1(value)).ok()) << name;
    }
    SettingsModel fresh;
    loadDefaults(fresh.tracker);
    const std::vector<ControlRef> now = allControls(model);
    const std::vector<ControlRef> defaults = allControls(fresh);
    const QStringList calculator = {u"txtLat"_s, u"txtLng"_s, u"chkCent"_s, u"optLLtoNorm"_s,
                                    u"optLLtoComp"_s};
    for (size_t i = 0; i < now.size(); ++i) {
        if (!calculator.contains(now[i].name)) { // every main window setting is away
            EXPECT_NE(readControl(now[i]), readControl(defaults[i])) << now[i].name.toStdString();
        }
    }
    QTest::mouseClick(c().defaultButton, Qt::LeftButton);
    EXPECT_EQ(controlsAsJson(model), controlsAsJson(fresh));
    EXPECT_FALSE(c().hideReceived->isChecked());
    EXPECT_EQ(c().micE->currentIndex(), 0);
}

TEST_F(MainWindowTest, CheckBoxesAndMicEFollowTheirSettings)
{
    QTest::mouseClick(c().autoReply, Qt::LeftButton);
    EXPECT_EQ(model.tracker.autoReply.value(), CheckBox::Checked);
    ASSERT_TRUE(model.tracker.autoReply.setValue(CheckBox::Grayed));
    EXPECT_EQ(c().autoReply->checkState(), Qt::PartiallyChecked);
    ASSERT_TRUE(model.tracker.autoReply.setValue(CheckBox::Unchecked));
    EXPECT_EQ(c().autoReply->checkState(), Qt::Unchecked);
    // Each change is announced once, whichever side makes it.
    QSignalSpy announced(&model.tracker.micEMessage, &ListChoice::changed);
    ASSERT_TRUE(model.tracker.micEMessage.setIndex(7));
    EXPECT_EQ(c().micE->currentText(), QStringLiteral("Emergency"));
    c().micE->setCurrentIndex(2);
    EXPECT_EQ(model.tracker.micEMessage.index(), 2);
    EXPECT_EQ(announced.count(), 2);
}

// The names of the controls Tab visits from the first, in order; hidden
// controls are skipped.
QStringList TabWalk(const MainWindow &window, qsizetype steps)
{
    window.controls().txDelay->setFocus(Qt::OtherFocusReason);
    QStringList seen{QApplication::focusWidget()->objectName()};
    for (qsizetype i = 1; i < steps; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        seen << QApplication::focusWidget()->objectName();
    }
    return seen;
}

TEST_F(MainWindowTest, TabGoesThroughTheKeyboardOrder)
{
    const QStringList order = {
        u"edNumFlagsAuto"_s,  u"cbMicEMsg"_s,       u"edSymbol"_s,        u"chkTable"_s,
        u"edMyCall"_s,        u"edBcnEvery"_s,      u"edAprsPath"_s,      u"edBeacon"_s,
        u"edManualTime"_s,    u"esSpeedTable(0)"_s, u"esSpeedTable(1)"_s, u"esSpeedTable(2)"_s,
        u"esSpeedTable(3)"_s, u"esSpeedTable(4)"_s, u"esSpeedTable(5)"_s, u"esSpeedTable(6)"_s,
        u"edGpsCheckTime"_s,  u"edGpsAcqTime"_s,    u"edMsgRepeat"_s,     u"edDestCall"_s,
        u"edAprsMsg"_s,       u"edComm"_s,          u"cmdSend"_s,         u"cmdLoad"_s,
        u"cmdSave"_s,         u"cmdDefault"_s,      u"cmdHelp"_s,         u"chkRxPosition"_s,
        u"chkAutoReply"_s,    u"cmdLatLon"_s};
    QStringList normal = order;
    normal.removeAll(u"cmdLatLon"_s); // shown only in GPSless Mode
    EXPECT_EQ(TabWalk(*window, normal.size() + 1), normal + QStringList{u"edNumFlagsAuto"_s});

    ASSERT_TRUE(model.tracker.gpsTimeout.setText(u"000"_s));
    QStringList gpsless = order;
    gpsless.removeAll(u"cbMicEMsg"_s); // hidden in GPSless Mode
    EXPECT_EQ(TabWalk(*window, gpsless.size() + 1), gpsless + QStringList{u"edNumFlagsAuto"_s});
}

// Tabbing through the whole order: exactly the listed fields select their
// text when the focus arrives.
TEST_F(MainWindowTest, TabSelectsAllOnlyInTheListedFields)
{
    const QList<MaskedLineEdit *> selecting = {c().txDelay,           c().symbol,
                                               c().statusEvery,       c().manualInterval,
                                               c().speedIntervals[0], c().speedIntervals[1],
                                               c().speedIntervals[2], c().speedIntervals[3],
                                               c().speedIntervals[4], c().speedIntervals[5],
                                               c().speedIntervals[6], c().gpsInterval,
                                               c().messageRetries,    c().port};
    c().gpslessButton->setFocus(Qt::OtherFocusReason); // so that Tab wraps into the first field
    c().txDelay->setFocus(Qt::OtherFocusReason);
    for (int i = 0; i < 32; ++i) {
        QTest::keyClick(focused(), Qt::Key_Tab);
        settle();
        auto *field = qobject_cast<MaskedLineEdit *>(focused());
        if (!field)
            continue;
        const std::string name = field->objectName().toStdString();
        if (selecting.contains(field))
            EXPECT_EQ(field->selectedText(), field->text()) << name;
        else
            EXPECT_FALSE(field->hasSelectedText()) << name;
    }
}

// The select-all does not rest on keystrokes the program sends itself, which
// a platform may map or drop: with every such key event swallowed, Tab still
// selects the whole text.
TEST_F(MainWindowTest, TabSelectsAllWithoutSyntheticKeystrokes)
{
    struct SwallowSyntheticKeys final : QObject {
        bool eventFilter(QObject *, QEvent *event) override
        {
            const bool key =
                event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
            return key && !event->spontaneous();
        }
    } swallow;
    qApp->installEventFilter(&swallow);
    c().speedIntervals[0]->setFocus(Qt::OtherFocusReason);
    settle();
    QTest::keyClick(focused(), Qt::Key_Tab);
    settle();
    qApp->removeEventFilter(&swallow);
    ASSERT_EQ(focused(), c().speedIntervals[1]);
    EXPECT_EQ(c().speedIntervals[1]->selectedText(), QStringLiteral("0360"));
    EXPECT_EQ(c().speedIntervals[1]->cursorPosition(), 4);
}

TEST_F(MainWindowTest, MouseFocusSelectsAllInListedFields)
{
    QTest::mouseClick(c().manualInterval, Qt::LeftButton, {}, QPoint(4, 5));
    settle();
    EXPECT_EQ(c().manualInterval->selectedText(), QStringLiteral("0300"));
    QTest::mouseClick(c().gpsTimeout, Qt::LeftButton, {}, QPoint(4, 5));
    settle();
    EXPECT_FALSE(c().gpsTimeout->hasSelectedText());
    // The next digit replaces the selected text.
    QTest::mouseClick(c().speedIntervals[2], Qt::LeftButton, {}, QPoint(4, 5));
    settle();
    QTest::keyClicks(c().speedIntervals[2], QStringLiteral("3"));
    EXPECT_EQ(model.tracker.speedIntervals[2].text(), QStringLiteral("3__"));
}

// Back from another window, the field that had the focus gets it again, and
// the caret the operator placed stays: no select-all.
TEST_F(MainWindowTest, ReturningToTheWindowKeepsThePlacedCaret)
{
    QTest::mouseClick(c().manualInterval, Qt::LeftButton, {}, QPoint(4, 5));
    settle();
    ASSERT_TRUE(c().manualInterval->hasSelectedText()); // a click selects all
    c().manualInterval->setCursorPosition(2);
    window->calculator()->showAndRaise();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window->calculator()));
    window->calculator()->hide();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::qWait(50); // whatever the activation queued has run
    EXPECT_EQ(focused(), c().manualInterval);
    EXPECT_FALSE(c().manualInterval->hasSelectedText());
    EXPECT_EQ(c().manualInterval->cursorPosition(), 2);
}

// The program icon is the application's: windows without an owner, such as
// the help viewer, show it too.
TEST_F(MainWindowTest, EveryWindowShowsTheProgramIcon)
{
    // A QIcon of a missing file is not null on every Qt version; what it
    // draws is.
    for (const int size : {16, 32, 64})
        EXPECT_FALSE(QApplication::windowIcon().pixmap(QSize(size, size)).isNull()) << size;
    QWidget unowned;
    EXPECT_EQ(unowned.windowIcon().cacheKey(), window->windowIcon().cacheKey());
}

// Records whether F1 reached a control.
class KeySeen : public QObject
{
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent *>(event)->key() == Qt::Key_F1)
            ++count;
        return false;
    }
    int count = 0;
};

TEST_F(MainWindowTest, F1OpensHelpWithAnyModifiersAndIsNotConsumed)
{
    const QString call = QStringLiteral("Tarvek_Config.rtf|Tarvek Config - Istruzioni");
    const std::pair<QWidget *, Qt::KeyboardModifiers> presses[] = {
        {c().callsign, Qt::NoModifier},
        {c().alternateTable, Qt::ShiftModifier},
        {c().saveButton, Qt::ControlModifier},
        {c().micE, Qt::AltModifier}};
    int expected = 0;
    for (auto [control, modifiers] : presses) {
        control->setFocus(Qt::OtherFocusReason);
        KeySeen seen;
        control->installEventFilter(&seen);
        QTest::keyClick(control, Qt::Key_F1, modifiers);
        control->removeEventFilter(&seen);
        EXPECT_EQ(helpCalls.size(), ++expected) << control->objectName().toStdString();
        EXPECT_EQ(seen.count, 1) << control->objectName().toStdString();
    }
    EXPECT_EQ(helpCalls.value(0), call);
    QTest::keyClick(c().callsign, Qt::Key_F2);
    EXPECT_EQ(helpCalls.size(), expected);
    QTest::mouseClick(c().helpButton, Qt::LeftButton);
    EXPECT_EQ(helpCalls.size(), expected + 1);
    EXPECT_EQ(helpCalls.last(), call);
}

TEST_F(MainWindowTest, CloseIsRefusedSilentlyWhileThePortIsOpen)
{
    ASSERT_TRUE(port.open().ok());
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    EXPECT_NE(window->calculator(), nullptr);
    EXPECT_TRUE(messages.shown.isEmpty());
    port.close();
    QObject::connect(window->infoDialog(), &QObject::destroyed,
                     [this] { unloaded << QStringLiteral("Dialog"); });
    QObject::connect(window->calculator(), &QObject::destroyed,
                     [this] { unloaded << QStringLiteral("frmLatLon"); });
    EXPECT_TRUE(window->close());
    EXPECT_EQ(unloaded, (QStringList{QStringLiteral("Dialog"), QStringLiteral("frmLatLon"),
                                     QStringLiteral("frmIstruzioni")}));
}

TEST_F(MainWindowTest, CalculatorIsOneWindowBroughtToTheFront)
{
    typeInto(c().gpsTimeout, QStringLiteral("0"));
    CalculatorWindow *calculator = window->calculator();
    QTest::mouseClick(c().gpslessButton, Qt::LeftButton);
    EXPECT_TRUE(calculator->isVisible());
    QTest::mouseClick(c().gpslessButton, Qt::LeftButton);
    EXPECT_EQ(window->calculator(), calculator);
    EXPECT_EQ(window->findChildren<CalculatorWindow *>().size(), 1);
}

TEST_F(MainWindowTest, RejectedSettingsShowTheMessageAndSendNothing)
{
    typeInto(c().callsign, QString());
    QTest::keyClick(c().callsign, Qt::Key_Delete);
    ASSERT_TRUE(model.tracker.callsign.text().isEmpty());
    QTest::mouseClick(c().sendButton, Qt::LeftButton);
    EXPECT_EQ(messages.lines(),
              QStringList{QStringLiteral(
                  "Invio non eseguito - Tarvek: Parametri incompleti o non corretti")});
    EXPECT_TRUE(c().sendButton->isEnabled());
}

// After the box, the setting that failed has the focus with its text
// selected, and says why as tarvek-cli does, until its text changes.
TEST_F(MainWindowTest, RejectedSendPointsOutTheFailingSetting)
{
    const struct {
        MaskedLineEdit *MainWindow::Controls::*field;
        QString text;
        QString reason;
    } rows[] = {
        {&MainWindow::Controls::messageRetries, u"300"_s,
         u"\"300\": 300 does not fit a byte (0 to 255)"_s},
        {&MainWindow::Controls::path, u"WIDE1--1"_s,
         u"\"WIDE1--1\": the SSID \"-1\" after \"-\" is not a whole number from 0 to 32767"_s},
        {&MainWindow::Controls::callsign, QString(), u"\"\": the callsign is empty"_s},
    };
    for (const auto &row : rows) {
        MaskedLineEdit *field = c().*row.field;
        SCOPED_TRACE(field->objectName().toStdString());
        const QString toolTipBefore = field->toolTip();
        const QString descriptionBefore = field->accessibleDescription();
        const testing::DrawnFrame frameBefore = testing::DrawnFrameOf(field);
        ASSERT_TRUE(field->field().setText(row.text));
        c().sendButton->setFocus(Qt::TabFocusReason);
        QTest::mouseClick(c().sendButton, Qt::LeftButton);
        settle();
        EXPECT_EQ(focused(), field);
        EXPECT_EQ(field->selectedText(), row.text);
        EXPECT_EQ(field->toolTip(), row.reason);
        EXPECT_EQ(field->accessibleDescription(), row.reason);
        EXPECT_EQ(testing::DrawnFrameOf(field), testing::DrawnFrame::Red);
        c().defaultButton->click(); // the text changes: the mark goes
        EXPECT_EQ(field->toolTip(), toolTipBefore);
        EXPECT_EQ(field->accessibleDescription(), descriptionBefore);
        EXPECT_EQ(testing::DrawnFrameOf(field), frameBefore); // amber for NOCALL-9 again
    }
}

// "Comm num:" takes any port from 1 to 255 typed, three digits at most: it
// widens only inside the gap before SEND, and SEND opens the number typed.
TEST_F(MainWindowTest, CommNumTakesUpToThreeDigitsInTheGapBeforeSend)
{
    MaskedLineEdit *comm = c().port;
    EXPECT_LT(comm->geometry().right(), c().sendButton->geometry().left());
    QStyleOptionFrame frame;
    frame.initFrom(comm);
    const int inner = comm->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, comm);
    EXPECT_GE(comm->width(), comm->fontMetrics().horizontalAdvance(u"888"_s) + 2 * inner + 4);
    for (const auto &[typed, shown] :
         {std::pair{u"1289"_s, u"128"_s}, {u"256"_s, u"25"_s}, {u"1x2"_s, u"12"_s}}) {
        typeInto(comm, typed);
        EXPECT_EQ(comm->text(), shown) << qPrintable(typed);
    }
    QTest::mouseClick(c().sendButton, Qt::LeftButton);
    settle();
    EXPECT_TRUE(port.log().contains(u"port 12"_s)) << qPrintable(port.log().join(u' '));
}

// A second SEND of the same bad value keeps the look the field had before the
// first, so typing a good value takes the whole mark away; the next bad SEND
// marks the field again.
TEST_F(MainWindowTest, RejectedMarkSurvivesASecondRejectionAndStillGoes)
{
    MaskedLineEdit *field = c().messageRetries;
    const QString toolTipBefore = field->toolTip();
    const QString descriptionBefore = field->accessibleDescription();
    const auto sendFromTheButton = [&] {
        c().sendButton->setFocus(Qt::TabFocusReason);
        QTest::mouseClick(c().sendButton, Qt::LeftButton);
        settle();
    };
    ASSERT_TRUE(field->field().setText(u"300"_s));
    sendFromTheButton();
    sendFromTheButton();
    ASSERT_EQ(focused(), field);
    QTest::keyClicks(field, u"008"_s);
    EXPECT_EQ(field->text(), u"008"_s);
    EXPECT_EQ(field->toolTip(), toolTipBefore);
    EXPECT_EQ(field->accessibleDescription(), descriptionBefore);
    EXPECT_EQ(testing::DrawnFrameOf(field), testing::DrawnFrame::None);

    ASSERT_TRUE(field->field().setText(u"300"_s));
    sendFromTheButton();
    EXPECT_EQ(testing::DrawnFrameOf(field), testing::DrawnFrame::Red);
    EXPECT_EQ(field->toolTip(), u"\"300\": 300 does not fit a byte (0 to 255)"_s);
}

// A box or a file dialog is a nested event loop: a close request arriving
// while one is open is refused, and the window closes once it has gone. Help
// runs the real viewer, whose missing-file box comes up when the viewer
// becomes active, after the button's handler has returned.
TEST_F(MainWindowTest, CloseRequestWhileABoxOrDialogIsOpenIsRefused)
{
    QTemporaryDir noManual;
    const QString previousFolder = QDir::currentPath();
    QDir::setCurrent(noManual.path());
    const auto restoreFolder = qScopeGuard([&] { QDir::setCurrent(previousFolder); });
    HelpLauncher viewer(messages, noManual.path());
    bool visibleWhileOpen = false;
    const auto requestClose = [&] {
        QueueCloseRequest(window.get());
        QCoreApplication::processEvents();
        visibleWhileOpen = window->isVisible();
    };
    messages.whileShown = requestClose;
    dialogs.whileShown = requestClose;
    const std::pair<const char *, QPushButton * MainWindow::Controls::*> commands[] = {
        {"SEND, its rejection box", &MainWindow::Controls::sendButton},
        {"Save, its file dialog", &MainWindow::Controls::saveButton},
        {"Load, its file dialog", &MainWindow::Controls::loadButton},
        {"Help, its missing-file box", &MainWindow::Controls::helpButton},
    };
    for (const auto &[command, button] : commands) {
        SCOPED_TRACE(command);
        open(port, &viewer);
        ASSERT_TRUE(model.tracker.callsign.setText(QString())); // SEND is rejected
        const size_t asked = size_t(messages.shown.size()) + dialogs.requests.size();
        visibleWhileOpen = false;
        QTest::mouseClick(c().*button, Qt::LeftButton);
        QTRY_COMPARE(size_t(messages.shown.size()) + dialogs.requests.size(), asked + 1);
        EXPECT_TRUE(visibleWhileOpen);
        EXPECT_TRUE(window->isVisible());
        EXPECT_TRUE(c().sendButton->isEnabled());
        EXPECT_TRUE(window->close());
    }
    window.reset(); // it refers to the viewer
}

TEST(MainWindowHelp, HelpButtonIsDisabledWithoutAViewer)
{
    SettingsModel model;
    FakeMessagePresenter messages;
    FakeFileDialogs dialogs;
    RecordingPort port;
    MainWindow window(model, {messages, dialogs, port, {}, std::nullopt});
    EXPECT_FALSE(window.controls().helpButton->isEnabled());
}

// Shows the tooltip of `control` as hovering the mouse would.
QString HoverToolTip(QWidget *control)
{
    QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), control->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(control, &help);
    return control->toolTip();
}

TEST(MainWindowPort, CommToolTipNamesTheDeviceOfTheCurrentNumber)
{
    const ScopedVariable port7("TARVEK_COM7", "/dev/tarvek-test-port7");
    const ScopedVariable port8("TARVEK_COM8", "/dev/tarvek-test-port8");
    SettingsModel model;
    FakeMessagePresenter messages;
    FakeFileDialogs dialogs;
    RecordingPort port;
    MainWindow window(model, {messages, dialogs, port, {}, std::nullopt});
    ASSERT_TRUE(model.tracker.port.setText(QStringLiteral("7")));
    EXPECT_EQ(HoverToolTip(window.controls().port), QStringLiteral("/dev/tarvek-test-port7"));
    ASSERT_TRUE(model.tracker.port.setText(QStringLiteral("8")));
    EXPECT_EQ(HoverToolTip(window.controls().portLabel), QStringLiteral("/dev/tarvek-test-port8"));
}

// What a tooltip shows: Qt reads a text that looks like markup as rich text.
QString ShownText(const QString &toolTip)
{
    if (!Qt::mightBeRichText(toolTip))
        return toolTip;
    QTextDocument shown;
    shown.setHtml(toolTip);
    return shown.toPlainText();
}

// A device path is shown as the characters it holds, also when they look like
// markup or an entity.
TEST(MainWindowPort, CommToolTipShowsTheDevicePathAsWritten)
{
    SettingsModel model;
    FakeMessagePresenter messages;
    FakeFileDialogs dialogs;
    RecordingPort port;
    MainWindow window(model, {messages, dialogs, port, {}, std::nullopt});
    for (const char *device :
         {"/tmp/<b>BOLD</b><br><font color=red>Reinstall</font>  two spaces", "/tmp/a &lt; b"}) {
        const ScopedVariable port1("TARVEK_COM1", QByteArray(device));
        EXPECT_EQ(ShownText(HoverToolTip(window.controls().port)), QString::fromUtf8(device));
    }
    const ScopedVariable plain("TARVEK_COM1", "/dev/tarvek-test-port1");
    EXPECT_EQ(HoverToolTip(window.controls().port), u"/dev/tarvek-test-port1"_s);
}

#ifndef Q_OS_WIN // pseudo-terminals: Linux-only
TEST(MainWindowSend, SendDeliversTheBytesToThePort)
{
    PtyPair pty;
    ASSERT_TRUE(pty.isValid());
    const ScopedVariable port1("TARVEK_COM1", pty.device().toLocal8Bit());
    SettingsModel model;
    FakeMessagePresenter messages;
    FakeFileDialogs dialogs;
    SystemSerialPort port;
    MainWindow window(model, {messages, dialogs, port, {}, std::nullopt});
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(window.controls().sendButton, Qt::LeftButton);

    SettingsModel expectedModel;
    loadDefaults(expectedModel.tracker);
    ConfigBlock expected{};
    ASSERT_TRUE(buildConfigBlock(expectedModel.tracker, expected).ok());
    EXPECT_TRUE(pty.waitFor(kWireSize, kArrival));
    EXPECT_EQ(pty.received(), buildWire(expected));
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.lines().join(u'\n').toStdString();
    EXPECT_TRUE(window.infoDialog()->isVisible());
    EXPECT_TRUE(window.infoDialog()->infoLabel()->text().startsWith(QStringLiteral("Data sent !")));
    // The normalised TX delay is written back into the window.
    EXPECT_EQ(window.controls().txDelay->text(), QStringLiteral("200"));
    EXPECT_FALSE(port.isOpen());
    EXPECT_TRUE(window.close());
}

// Space on the focused SEND with the close box pressed right behind it: the
// close request reaches the window while SEND lets pending events run,
// before the port is open. It is refused; the upload completes; a close
// request after SEND closes the window.
TEST(MainWindowSend, CloseRequestRightBehindSendWaitsForTheUpload)
{
    PtyPair pty;
    ASSERT_TRUE(pty.isValid());
    const ScopedVariable port1("TARVEK_COM1", pty.device().toLocal8Bit());
    SettingsModel model;
    FakeMessagePresenter messages;
    FakeFileDialogs dialogs;
    SystemSerialPort port;
    MainWindow window(model, {messages, dialogs, port, {}, std::nullopt});
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QPushButton *send = window.controls().sendButton;
    send->setFocus(Qt::TabFocusReason);
    // The close request is queued while the key press is handled, so it is
    // there when SEND first lets events run.
    QObject::connect(
        send, &QAbstractButton::pressed, &window, [&window] { QueueCloseRequest(&window); },
        Qt::SingleShotConnection);
    for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease})
        QCoreApplication::postEvent(
            send, new QKeyEvent(type, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" ")));
    QCoreApplication::processEvents(); // SEND runs from the key release to its end

    EXPECT_TRUE(window.isVisible());
    EXPECT_NE(window.infoDialog(), nullptr);
    SettingsModel expectedModel;
    loadDefaults(expectedModel.tracker);
    ConfigBlock expected{};
    ASSERT_TRUE(buildConfigBlock(expectedModel.tracker, expected).ok());
    EXPECT_TRUE(pty.waitFor(kWireSize, kArrival));
    const QByteArray received = pty.received();
    EXPECT_EQ(received.size(), kWireSize);
    EXPECT_EQ(received, buildWire(expected));
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.lines().join(u'\n').toStdString();
    EXPECT_TRUE(send->isEnabled());

    QueueCloseRequest(&window);
    QCoreApplication::processEvents();
    EXPECT_FALSE(window.isVisible());
}
#endif

// A row of a bound kind whose name is no setting's key builds a widget that
// is bound to nothing, instead of reaching for a setting that is not there.
TEST(FormTable, RowsThatNameNoSettingStayUnbound)
{
    SettingsModel model;
    QWidget window;
    const FormControl rows[] = {
        {.name = "edNoSuchField", .type = ControlType::MaskedField},
        {.name = "edNoSuchText", .type = ControlType::TextField},
        {.name = "chkNoSuchBox", .type = ControlType::CheckBox, .caption = "box"},
        {.name = "cbNoSuchList", .type = ControlType::List},
    };
    const Form form(&window, rows, model);
    QLineEdit *field = form.get<QLineEdit>("edNoSuchField");
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(qobject_cast<MaskedLineEdit *>(field), nullptr);
    EXPECT_NE(form.get<QLineEdit>("edNoSuchText"), nullptr);
    EXPECT_NE(form.get<QCheckBox>("chkNoSuchBox"), nullptr);
    EXPECT_EQ(form.get<QComboBox>("cbNoSuchList")->count(), 0);
}

} // namespace
} // namespace tarvek::ui
