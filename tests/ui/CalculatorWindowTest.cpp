// The GPSless position calculator driven as an operator would: keys typed into
// its fields, its buttons clicked, its window closed and shown again, with a
// stand-in main window whose status-text widget follows the settings model.
#include "CalculatorWindow.h"
#include "CaptionFit.h"
#include "TrackerSettings.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTest>
#include <QtTest/qtestspontaneevent.h>
#include <gtest/gtest.h>

using namespace tarvek::config;

namespace tarvek::ui
{
namespace
{

const QColor kLightYellow(255, 255, 128);

class CalculatorWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        loadDefaults(model.tracker);
        beacon = new QLineEdit(&mainWindow);
        beacon->setText(model.tracker.statusText.text());
        QObject::connect(&model.tracker.statusText, &MaskedField::changed, beacon,
                         [this] { beacon->setText(model.tracker.statusText.text()); });
        window = new CalculatorWindow(model, beacon, &mainWindow);
        mainWindow.show();
        window->showAndRaise();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    }

    template <typename T> T *control(const char *name) const
    {
        T *found = window->findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QLineEdit *txtLat() const { return control<QLineEdit>("txtLat"); }
    QLineEdit *txtLng() const { return control<QLineEdit>("txtLng"); }
    QCheckBox *chkCent() const { return control<QCheckBox>("chkCent"); }
    QRadioButton *optLLtoNorm() const { return control<QRadioButton>("optLLtoNorm"); }
    QRadioButton *optLLtoComp() const { return control<QRadioButton>("optLLtoComp"); }
    QPushButton *cmdCalc() const { return control<QPushButton>("cmdCalc"); }
    QPushButton *OKButton() const { return control<QPushButton>("OKButton"); }
    QString frameCaption() const { return control<QGroupBox>("zFrame2")->title(); }

    // Home, Shift+End and Backspace, then the new text key by key.
    static void retype(QLineEdit *field, const QString &text)
    {
        QTest::keyClick(field, Qt::Key_End);
        QTest::keyClick(field, Qt::Key_Home, Qt::ShiftModifier);
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
    }

    void click(QAbstractButton *button) { QTest::mouseClick(button, Qt::LeftButton); }

    QString statusText() const { return model.tracker.statusText.text(); }
    int charactersLeft() const
    {
        return model.tracker.statusText.maxLength() -
               static_cast<int>(model.tracker.statusText.text().size());
    }
    QColor beaconBackground() const { return beacon->palette().color(QPalette::Base); }
    QColor systemBackground() const { return QApplication::palette(beacon).color(QPalette::Base); }

    SettingsModel model;
    QWidget mainWindow;
    QLineEdit *beacon = nullptr;
    CalculatorWindow *window = nullptr; // owned by mainWindow
};

TEST_F(CalculatorWindowTest, FreshWindowWritesBothFormsOfTheOrigin)
{
    EXPECT_EQ(txtLat()->text(), QStringLiteral("00.00.00"));
    EXPECT_EQ(txtLng()->text(), QStringLiteral("00.00.00"));
    EXPECT_TRUE(chkCent()->isChecked());
    EXPECT_TRUE(optLLtoComp()->isChecked());
    EXPECT_TRUE(cmdCalc()->isEnabled());

    click(cmdCalc());
    EXPECT_EQ(statusText(), QStringLiteral("=/NN!!NN!!>  >"));
    EXPECT_EQ(beacon->text(), statusText());
    EXPECT_EQ(charactersLeft(), 15);

    click(optLLtoNorm());
    click(cmdCalc());
    EXPECT_EQ(statusText(), QStringLiteral("=0000.00N/00000.00E>"));
    EXPECT_EQ(charactersLeft(), 9);
    EXPECT_TRUE(window->isVisible());
}

struct TypedPosition {
    const char *name;
    const char *lat;
    const char *lng;
    bool hundredths;
    bool normal;
    bool alternateTable;
    const char *expected;
};

class TypedPositionTest : public CalculatorWindowTest,
                          public ::testing::WithParamInterface<TypedPosition>
{
};

TEST_P(TypedPositionTest, WritesTheReportIntoTheStatusText)
{
    const TypedPosition &p = GetParam();
    (void)model.tracker.alternateTable.setValue(p.alternateTable ? 1 : 0);
    retype(txtLat(), QString::fromLatin1(p.lat));
    retype(txtLng(), QString::fromLatin1(p.lng));
    if (chkCent()->isChecked() != p.hundredths)
        click(chkCent());
    click(p.normal ? optLLtoNorm() : optLLtoComp());
    ASSERT_TRUE(cmdCalc()->isEnabled());

    click(cmdCalc());
    EXPECT_EQ(statusText(), QString::fromLatin1(p.expected));
    EXPECT_EQ(txtLat()->text(), QString::fromLatin1(p.lat)); // never converted
}

INSTANTIATE_TEST_SUITE_P(
    Positions, TypedPositionTest,
    ::testing::Values(TypedPosition{"HundredthsNormal", "45.30.50", "11.52.34", true, true, false,
                                    "=4530.50N/01152.34E>"},
                      TypedPosition{"HundredthsCompressed", "45.30.50", "11.52.34", true, false,
                                    false, "=/7MY,QN&i>  >"},
                      TypedPosition{"SecondsNormal", "45.30.30", "11.52.20", false, true, false,
                                    "=4530.50N/01152.33E>"},
                      TypedPosition{"SecondsCompressed", "45.30.30", "11.52.20", false, false,
                                    false, "=/7MY,QN&T>  >"},
                      TypedPosition{"AlternateTableNormal", "45.30.50", "11.52.34", true, true,
                                    true, "=4530.50N\\01152.34E>"},
                      TypedPosition{"AlternateTableCompressed", "45.30.50", "11.52.34", true, false,
                                    true, "=\\7MY,QN&i>  >"},
                      TypedPosition{"LeadingZeroDegrees", "0045.30.50", "123.07.08", true, true,
                                    false, "=4530.50N/12307.08E>"},
                      TypedPosition{"NorthPoleDateLine", "90.00.00", "180.00.00", true, false,
                                    false, "=/!!!!{{!!>  >"}),
    [](const ::testing::TestParamInfo<TypedPosition> &info) { return info.param.name; });

TEST_F(CalculatorWindowTest, KeysOutsideTheFilterChangeNothing)
{
    const QString keys = QStringLiteral("aN-+ sE\"/,x");
    for (QLineEdit *field : {txtLat(), txtLng()}) {
        field->setCursorPosition(3);
        for (const QChar key : keys) {
            QTest::keyClick(field, key.toLatin1());
            EXPECT_EQ(field->text(), QStringLiteral("00.00.00")) << key.toLatin1();
            EXPECT_EQ(field->cursorPosition(), 3) << key.toLatin1();
        }
        QTest::keyClick(field, Qt::Key_Return);
        QTest::keyClick(field, Qt::Key_Escape);
        EXPECT_EQ(field->text(), QStringLiteral("00.00.00"));
    }
    EXPECT_TRUE(cmdCalc()->isEnabled());
    QTest::keyClick(OKButton(), Qt::Key_Escape);
    EXPECT_TRUE(window->isVisible()); // there is no cancel button
}

TEST_F(CalculatorWindowTest, PerCentAndApostropheAreTypedAndDisableTheButton)
{
    for (const char key : {'%', '\''}) {
        QTest::keyClick(txtLat(), Qt::Key_End);
        QTest::keyClick(txtLat(), key);
        EXPECT_EQ(txtLat()->text(), QStringLiteral("00.00.00") + QLatin1Char(key));
        EXPECT_FALSE(cmdCalc()->isEnabled());
        QTest::keyClick(txtLat(), Qt::Key_Backspace);
        EXPECT_TRUE(cmdCalc()->isEnabled());
    }
}

TEST_F(CalculatorWindowTest, ButtonStateFollowsTheKeyRelease)
{
    txtLng()->setFocus();
    QTest::keyClick(txtLng(), Qt::Key_End);
    QTest::keyClick(txtLng(), Qt::Key_Home, Qt::ShiftModifier);
    EXPECT_TRUE(cmdCalc()->isEnabled());
    QTest::keyPress(txtLng(), Qt::Key_Backspace);
    EXPECT_TRUE(txtLng()->text().isEmpty());
    EXPECT_TRUE(cmdCalc()->isEnabled()); // not judged before the key is released
    QTest::keyRelease(txtLng(), Qt::Key_Backspace);
    EXPECT_FALSE(cmdCalc()->isEnabled());

    // Any key release re-checks, also one that types nothing.
    QTest::keyClicks(txtLng(), QStringLiteral("7.05.00"));
    EXPECT_TRUE(cmdCalc()->isEnabled());
    QTest::keyClick(txtLng(), Qt::Key_Home);
    QTest::keyClick(txtLng(), Qt::Key_Delete);
    EXPECT_EQ(txtLng()->text(), QStringLiteral(".05.00"));
    EXPECT_FALSE(cmdCalc()->isEnabled());
}

TEST_F(CalculatorWindowTest, NotationToggleNeverConvertsTheTexts)
{
    retype(txtLat(), QStringLiteral("45.30.75"));
    retype(txtLng(), QStringLiteral("11.52.20"));
    EXPECT_TRUE(cmdCalc()->isEnabled());

    click(chkCent());
    EXPECT_FALSE(chkCent()->isChecked());
    EXPECT_FALSE(cmdCalc()->isEnabled()); // 75 seconds
    EXPECT_EQ(frameCaption(), QStringLiteral("Lat / Lon coordinates [+/-Grad.Min.Sec]"));
    EXPECT_EQ(model.calculator.hundredths.value(), 0);

    click(chkCent());
    EXPECT_TRUE(cmdCalc()->isEnabled());
    EXPECT_EQ(frameCaption(), QStringLiteral("Lat / Lon coordinates [+/-Grad.Min.Cent]"));
    EXPECT_EQ(txtLat()->text(), QStringLiteral("45.30.75"));
    EXPECT_EQ(txtLng()->text(), QStringLiteral("11.52.20"));
}

TEST_F(CalculatorWindowTest, WriteHighlightsTheStatusFieldAndCloseRestoresIt)
{
    EXPECT_EQ(beaconBackground(), systemBackground());
    click(cmdCalc());
    EXPECT_EQ(beaconBackground(), kLightYellow);
    EXPECT_EQ(mainWindow.focusWidget(), beacon);
    EXPECT_EQ(beacon->cursorPosition(), 14); // after the last character
    EXPECT_FALSE(beacon->hasSelectedText());
    click(cmdCalc()); // further writes leave it yellow
    EXPECT_EQ(beaconBackground(), kLightYellow);

    beacon->setCursorPosition(2);
    click(OKButton());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(beaconBackground(), systemBackground());
    EXPECT_EQ(beacon->cursorPosition(), 14);
    EXPECT_EQ(statusText(), QStringLiteral("=/NN!!NN!!>  >"));
}

TEST_F(CalculatorWindowTest, CloseAndShowAgainKeepsEverything)
{
    retype(txtLat(), QStringLiteral("45.30.30"));
    retype(txtLng(), QStringLiteral("11.52.20"));
    click(chkCent());
    click(optLLtoNorm());
    click(OKButton());
    ASSERT_FALSE(window->isVisible());

    window->showAndRaise();
    window->showAndRaise(); // a second request only brings it to the front
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(mainWindow.findChildren<CalculatorWindow *>().size(), 1);
    EXPECT_EQ(txtLat()->text(), QStringLiteral("45.30.30"));
    EXPECT_EQ(txtLng()->text(), QStringLiteral("11.52.20"));
    EXPECT_FALSE(chkCent()->isChecked());
    EXPECT_TRUE(optLLtoNorm()->isChecked());
    click(cmdCalc());
    EXPECT_EQ(statusText(), QStringLiteral("=4530.50N/01152.33E>"));
}

TEST_F(CalculatorWindowTest, CloseBoxActsAsTheCloseButton)
{
    click(cmdCalc());
    QCloseEvent fromCloseBox;
    QSpontaneKeyEvent::setSpontaneous(&fromCloseBox);
    QApplication::instance()->notify(window, &fromCloseBox);
    EXPECT_FALSE(fromCloseBox.isAccepted());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(beaconBackground(), systemBackground());

    window->showAndRaise();
    EXPECT_TRUE(window->isVisible());
    click(cmdCalc());
    EXPECT_TRUE(window->close()); // the program's own request is not cancelled
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(beaconBackground(), kLightYellow);
}

struct UncheckedText {
    const char *name;
    const char *text;
};

class PastedTextTest : public CalculatorWindowTest,
                       public ::testing::WithParamInterface<UncheckedText>
{
};

// A text put in with the mouse skips the key release: the button stays
// enabled until it is clicked, and the click then only disables it.
TEST_P(PastedTextTest, WriteButtonRefusesAndDisables)
{
    const QString before = statusText();
    txtLat()->selectAll();
    QGuiApplication::clipboard()->setText(QString::fromLatin1(GetParam().text));
    txtLat()->paste();
    ASSERT_EQ(txtLat()->text(), QString::fromLatin1(GetParam().text));
    EXPECT_EQ(model.calculator.latitude.text(), txtLat()->text());
    EXPECT_TRUE(cmdCalc()->isEnabled());

    for (QAbstractButton *form : {static_cast<QAbstractButton *>(optLLtoComp()),
                                  static_cast<QAbstractButton *>(optLLtoNorm())}) {
        click(form);
        cmdCalc()->click();
        EXPECT_FALSE(cmdCalc()->isEnabled());
        EXPECT_EQ(statusText(), before);
        EXPECT_EQ(beaconBackground(), systemBackground());
        cmdCalc()->setEnabled(true);
    }
    EXPECT_TRUE(window->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Texts, PastedTextTest,
                         ::testing::Values(UncheckedText{"Empty", ""},
                                           UncheckedText{"Letters", "abc"},
                                           UncheckedText{"NoSeparator", "4530"},
                                           UncheckedText{"TrailingLetter", "45.30.5x"},
                                           UncheckedText{"Huge", "99999999999999999999.00.00"},
                                           UncheckedText{"OtherAxisLetter", "E45.30.50"}),
                         [](const ::testing::TestParamInfo<UncheckedText> &info) {
                             return info.param.name;
                         });

TEST_F(CalculatorWindowTest, ProgramWritesShowInTheControls)
{
    window->hide();
    ASSERT_TRUE(model.calculator.latitude.setText(QStringLiteral("-33.52.00")));
    ASSERT_TRUE(model.calculator.longitude.setText(QStringLiteral("W151.12.00")));
    ASSERT_TRUE(model.calculator.hundredths.setValue(0));
    model.calculator.normalForm.setSelected(true);
    EXPECT_EQ(txtLat()->text(), QStringLiteral("-33.52.00"));
    EXPECT_EQ(txtLng()->text(), QStringLiteral("W151.12.00"));
    EXPECT_FALSE(chkCent()->isChecked());
    EXPECT_EQ(frameCaption(), QStringLiteral("Lat / Lon coordinates [+/-Grad.Min.Sec]"));
    EXPECT_TRUE(optLLtoNorm()->isChecked());

    ASSERT_TRUE(model.calculator.hundredths.setValue(1));
    Q_EMIT model.calculator.loaded(); // as the configuration loader does
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(chkCent()->isChecked());
    EXPECT_TRUE(cmdCalc()->isEnabled());
    click(cmdCalc());
    EXPECT_EQ(statusText(), QStringLiteral("=3352.00S/15112.00W>"));

    ASSERT_TRUE(model.calculator.hundredths.setValue(2)); // greyed: not ticked
    EXPECT_EQ(chkCent()->checkState(), Qt::PartiallyChecked);
    EXPECT_EQ(frameCaption(), QStringLiteral("Lat / Lon coordinates [+/-Grad.Min.Sec]"));
}

TEST_F(CalculatorWindowTest, OperatorEditsReachTheModel)
{
    retype(txtLat(), QStringLiteral("7.05.00"));
    click(optLLtoNorm());
    click(chkCent());
    EXPECT_EQ(model.calculator.latitude.text(), QStringLiteral("7.05.00"));
    EXPECT_TRUE(model.calculator.normalForm.isSelected());
    EXPECT_EQ(model.calculator.hundredths.value(), 0);
    click(optLLtoComp());
    EXPECT_FALSE(model.calculator.normalForm.isSelected());
}

TEST_F(CalculatorWindowTest, CompressedPositionLeavesItsArgumentsAlone)
{
    ASSERT_TRUE(model.calculator.latitude.setText(QStringLiteral("49.30.00")));
    ASSERT_TRUE(model.calculator.longitude.setText(QStringLiteral("W72.45.00")));
    click(optLLtoComp());
    click(cmdCalc());
    EXPECT_EQ(statusText(), QStringLiteral("=/5L!!<*e8>  >"));
    EXPECT_EQ(model.calculator.latitude.text(), QStringLiteral("49.30.00"));
    EXPECT_EQ(model.calculator.longitude.text(), QStringLiteral("W72.45.00"));
    (void)model.tracker.alternateTable.setValue(1);
    ASSERT_TRUE(model.tracker.symbol.setText(QStringLiteral("k")));
    click(cmdCalc());
    EXPECT_EQ(statusText(), QStringLiteral("=\\5L!!<*e8k  >"));
}

// Where the classic faces are missing, the stand-in face is wider: every
// caption must still show whole, also the frame's after a notation change.
TEST_F(CalculatorWindowTest, CaptionsShowWhole)
{
    for (int round = 0; round < 2; ++round) {
        for (const char *name :
             {"zFrame2", "zLabel02", "zLabel01", "chkCent", "Label1", "cmdCalc", "OKButton"})
            EXPECT_TRUE(captionFits(control<QWidget>(name))) << name << " " << round;
        for (QRadioButton *option : {optLLtoNorm(), optLLtoComp()}) {
            const int indicator = option->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                                  option->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
            EXPECT_LE(indicator + option->fontMetrics().horizontalAdvance(option->text()),
                      option->width())
                << option->objectName().toStdString();
            EXPECT_LE(option->geometry().right(), window->width());
        }
        click(chkCent());
    }
}

TEST_F(CalculatorWindowTest, LayoutCaptionsAndTabOrder)
{
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Calculate APRS Coordinates for GPSless Mode"));
    EXPECT_EQ(window->size(), QSize(qRound(5295 * window->logicalDpiX() / 1440.0),
                                    qRound(1620 * window->logicalDpiY() / 1440.0)));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMinMaxButtonsHint);
    EXPECT_FALSE(window->isModal());
    EXPECT_EQ(window->parentWidget(), &mainWindow);
    EXPECT_EQ(control<QLabel>("zLabel02")->buddy(), txtLat());
    EXPECT_EQ(control<QLabel>("zLabel01")->buddy(), txtLng());
    EXPECT_EQ(chkCent()->toolTip(), QStringLiteral("Lat/Lon in gradi.minuti.centesimi"));
    EXPECT_TRUE(txtLat()->font().bold());
    EXPECT_DOUBLE_EQ(chkCent()->font().pointSizeF(), 6.75);
    for (QPushButton *button : {cmdCalc(), OKButton()}) {
        EXPECT_FALSE(button->isDefault());
        EXPECT_FALSE(button->autoDefault());
    }

    QTest::keyClick(txtLat(), Qt::Key_Return); // no default button to press
    EXPECT_EQ(statusText(), QStringLiteral("Tarvek, ver3.0, by QX0ZZZ Max"));

    EXPECT_EQ(QApplication::focusWidget(), txtLat());
    const QList<QWidget *> order = {txtLng(),  optLLtoComp(), cmdCalc(),
                                    chkCent(), OKButton(),    txtLat()};
    for (QWidget *next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
    }
    // Tab enters the option group at the selected button, the arrows move within it.
    click(optLLtoNorm());
    txtLng()->setFocus();
    QTest::keyClick(txtLng(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), optLLtoNorm());
    QTest::keyClick(optLLtoNorm(), Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), optLLtoComp());
    EXPECT_TRUE(optLLtoComp()->isChecked());
    QTest::keyClick(optLLtoComp(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), cmdCalc());
}

} // namespace
} // namespace tarvek::ui
