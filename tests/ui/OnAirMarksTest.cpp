// The amber mark of a setting that would go wrong on the air: it comes and
// goes with the text, composes with the field's own tooltip, gives way to a
// refused SEND's red mark, and is nowhere for the defaults with a real
// callsign.
#include "CalculatorWindow.h"
#include "DrawnFrame.h"
#include "FakeFileDialogs.h"
#include "FakeMessagePresenter.h"
#include "MainWindow.h"
#include "MaskedLineEdit.h"
#include "QtPrinters.h"
#include "RecordingPort.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>
#include <gtest/gtest.h>

using namespace tarvek::config;

namespace tarvek::ui
{
namespace
{

using namespace Qt::StringLiterals;

using testing::DrawnFrame;
using Frame = DrawnFrame;

Frame frameOf(QWidget *field)
{
    return testing::DrawnFrameOf(field);
}

// The tooltip as the operator reads it.
QString shownToolTip(QWidget *field)
{
    QTextDocument document;
    document.setHtml(field->toolTip());
    return Qt::mightBeRichText(field->toolTip()) ? document.toPlainText() : field->toolTip();
}

class OnAirMarksTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window = std::make_unique<MainWindow>(
            model, MainWindowServices{messages, dialogs, port, nullptr, std::nullopt});
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QCoreApplication::processEvents(); // the first marks
    }

    const MainWindow::Controls &c() const { return window->controls(); }

    static void type(MaskedLineEdit *field, const QString &keys)
    {
        field->setFocus(Qt::OtherFocusReason);
        field->selectAll();
        QTest::keyClicks(field, keys);
    }

    SettingsModel model;
    testing::FakeMessagePresenter messages;
    testing::FakeFileDialogs dialogs;
    testing::RecordingPort port;
    std::unique_ptr<MainWindow> window;
};

TEST_F(OnAirMarksTest, AmberComesAndGoesAsThePathIsTyped)
{
    MaskedLineEdit *path = c().path;
    const QString description = path->accessibleDescription();
    EXPECT_EQ(frameOf(path), Frame::None);
    type(path, u"RELAY,WIDE"_s);
    EXPECT_EQ(frameOf(path), Frame::Amber);
    const QString tip = shownToolTip(path);
    EXPECT_TRUE(tip.startsWith(u"Max 2 digipeater addresses\nWarning: \"RELAY\" is obsolete: "_s))
        << qPrintable(tip);
    EXPECT_TRUE(tip.contains(u"\nWarning: \"WIDE\" is obsolete: "_s)) << qPrintable(tip);
    EXPECT_TRUE(path->accessibleDescription().startsWith(description + u" Warning: \"RELAY\""_s))
        << qPrintable(path->accessibleDescription());
    type(path, u"WIDE1-1,WIDE2-1"_s);
    EXPECT_EQ(frameOf(path), Frame::None);
    EXPECT_EQ(path->toolTip(), u"Max 2 digipeater addresses"_s);
    EXPECT_EQ(path->accessibleDescription(), description);
}

// A timing field keeps its note and adds the warning after it; the status
// text follows GPSless Mode, set in another field.
TEST_F(OnAirMarksTest, WarningsFollowTheNoteAndOtherFields)
{
    MaskedLineEdit *band = c().speedIntervals[6];
    type(band, u"030"_s);
    EXPECT_EQ(frameOf(band), Frame::Amber);
    EXPECT_EQ(shownToolTip(band), u"30 s: 120 beacons an hour\nWarning: the "
                                  "tracker beacons every 30 s (120 an hour), more often than the "
                                  "usual once a minute on a shared channel; use 60 s or more"_s);

    EXPECT_EQ(frameOf(c().statusText), Frame::None);
    type(c().gpsTimeout, u"000"_s);
    EXPECT_EQ(frameOf(c().statusText), Frame::Amber);
    EXPECT_TRUE(shownToolTip(c().statusText).contains(u"Warning: in GPSless Mode the tracker"_s));
    type(c().statusText, u"=4530.50N/01152.34E>"_s);
    EXPECT_EQ(frameOf(c().statusText), Frame::None);
    c().alternateTable->click(); // the position still says "/"
    EXPECT_EQ(frameOf(c().statusText), Frame::Amber);
    c().alternateTable->click();
    type(c().symbol, u"k"_s);
    EXPECT_EQ(frameOf(c().statusText), Frame::Amber);
    c().defaultButton->click();
    EXPECT_EQ(frameOf(c().statusText), Frame::None);
    EXPECT_EQ(frameOf(band), Frame::None);
}

// SEND refuses the path's second digipeater: red wins over the amber of
// RELAY, and once the text changes the amber is back as long as RELAY is.
TEST_F(OnAirMarksTest, RedOfARefusedSendWinsAndAmberComesBack)
{
    MaskedLineEdit *path = c().path;
    type(path, u"RELAY,X--1"_s);
    EXPECT_EQ(frameOf(path), Frame::Amber);
    c().sendButton->click();
    QCoreApplication::processEvents();
    EXPECT_EQ(frameOf(path), Frame::Red);
    EXPECT_EQ(path->toolTip(), u"\"RELAY,X--1\": second digipeater: the SSID \"-1\" after \"-\" is "
                               "not a whole number from 0 to 32767"_s);
    type(path, u"RELAY,X"_s);
    EXPECT_EQ(frameOf(path), Frame::Amber);
    EXPECT_TRUE(shownToolTip(path).contains(u"Warning: \"RELAY\" is obsolete"_s));
    type(path, u"WIDE2-2"_s);
    EXPECT_EQ(frameOf(path), Frame::None);
}

// The calculator's untouched 0 N 0 E warns, and the status text keeps the
// light yellow the calculator gives it under the amber frame.
TEST_F(OnAirMarksTest, AmberFrameKeepsTheCalculatorsYellow)
{
    type(c().gpsTimeout, u"000"_s);
    window->showCalculator();
    auto *write = window->calculator()->findChild<QPushButton *>(u"cmdCalc"_s);
    ASSERT_TRUE(write);
    write->click();
    MaskedLineEdit *status = c().statusText;
    EXPECT_EQ(frameOf(status), Frame::Amber);
    EXPECT_TRUE(shownToolTip(status).contains(u"Warning: 0° N 0° E is APRS's \"no position\""_s));
    const QImage drawn = status->grab().toImage();
    EXPECT_EQ(drawn.pixelColor(status->width() - 6, status->height() / 2), QColor(255, 255, 128));
}

TEST_F(OnAirMarksTest, NoAmberForTheDefaultsWithARealCallsign)
{
    EXPECT_EQ(frameOf(c().callsign), Frame::Amber); // NOCALL-9
    type(c().callsign, u"IU0ABC-9"_s);
    for (QLineEdit *field : window->findChildren<QLineEdit *>())
        EXPECT_EQ(frameOf(field), Frame::None) << qPrintable(field->objectName());
    EXPECT_FALSE(c().callsign->accessibleDescription().contains(u"Warning"_s));
}

// The first marks wait for the first frame, as the timing notes do.
TEST(OnAirMarksStartUp, FirstMarksComeAfterTheFirstFrame)
{
    SettingsModel model;
    testing::FakeMessagePresenter messages;
    testing::FakeFileDialogs dialogs;
    testing::RecordingPort port;
    MainWindow window(model, MainWindowServices{messages, dialogs, port, nullptr, std::nullopt});
    EXPECT_EQ(frameOf(window.controls().callsign), Frame::None);
    QCoreApplication::processEvents();
    EXPECT_EQ(frameOf(window.controls().callsign), Frame::Amber);
}

} // namespace
} // namespace tarvek::ui
