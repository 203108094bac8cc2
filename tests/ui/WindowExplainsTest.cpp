// What the main window tells the operator about the values: the symbol's
// name, the symbol picker, the timing notes, and the amber mark of a setting
// that would go wrong on the air, as tooltips, accessible descriptions and
// frames that follow the fields.
#include "CalculatorWindow.h"
#include "DrawnFrame.h"
#include "FakeFileDialogs.h"
#include "FakeMessagePresenter.h"
#include "MainWindow.h"
#include "MaskedLineEdit.h"
#include "QtPrinters.h"
#include "RecordingPort.h"
#include "SymbolChooser.h"
#include "SymbolPicker.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QToolButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace tarvek::config;

namespace tarvek::ui
{
namespace
{

using namespace Qt::StringLiterals;

using testing::DrawnFrame;
using testing::DrawnFrameOf;

// The tooltip as the operator reads it.
QString shownToolTip(QWidget *field)
{
    QTextDocument document;
    document.setHtml(field->toolTip());
    return Qt::mightBeRichText(field->toolTip()) ? document.toPlainText() : field->toolTip();
}

class WindowExplainsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window = std::make_unique<MainWindow>(
            model, MainWindowServices{messages, dialogs, port, nullptr, std::nullopt});
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QCoreApplication::processEvents(); // the first notes
    }

    const MainWindow::Controls &c() const { return window->controls(); }

    static void type(MaskedLineEdit *field, const QString &keys)
    {
        field->setFocus(Qt::OtherFocusReason);
        field->selectAll();
        QTest::keyClicks(field, keys);
    }

    SymbolPicker *openPicker(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        c().symbol->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(c().symbol, key, modifiers);
        SymbolPicker *picker = window->symbolChooser()->picker();
        return picker && picker->isVisible() ? picker : nullptr;
    }

    // The name of the symbol the picker's list has selected.
    static QString currentName(const SymbolPicker *picker)
    {
        const QTreeWidgetItem *item = picker->list()->currentItem();
        return item ? item->text(2) : QString();
    }

    SettingsModel model;
    testing::FakeMessagePresenter messages;
    testing::FakeFileDialogs dialogs;
    testing::RecordingPort port;
    std::unique_ptr<MainWindow> window;
};

TEST_F(WindowExplainsTest, SymbolNameFollowsTypingTheTableDefaultAndLoad)
{
    const auto expectNote = [this](const QString &note) {
        EXPECT_EQ(c().symbol->toolTip(), note);
        EXPECT_EQ(c().symbol->accessibleDescription(), note);
    };
    expectNote(u"Car: \">\" in the primary table \"/\""_s);
    type(c().symbol, u"k"_s);
    expectNote(u"Truck: \"k\" in the primary table \"/\""_s);
    c().alternateTable->click();
    expectNote(u"Special vehicle (SUV, 4x4): \"k\" in the alternate table \"\\\""_s);

    QTemporaryDir folder;
    dialogs.answer = folder.filePath(u"truck.cfg"_s);
    window->save();
    c().defaultButton->click();
    expectNote(u"Car: \">\" in the primary table \"/\""_s);
    window->load();
    expectNote(u"Special vehicle (SUV, 4x4): \"k\" in the alternate table \"\\\""_s);
}

TEST_F(WindowExplainsTest, PickerFiltersByNameAndChoosesThroughTheControls)
{
    EXPECT_EQ(c().symbolButton->focusPolicy(), Qt::NoFocus);
    SymbolPicker *picker = openPicker(Qt::Key_F4);
    ASSERT_TRUE(picker);
    QTest::keyClicks(picker->filterField(), u"truck"_s);
    const QList<AprsSymbol> shown = picker->shownSymbols();
    ASSERT_FALSE(shown.isEmpty());
    for (const AprsSymbol &symbol : shown)
        EXPECT_TRUE(QString(symbol.name).contains(u"truck"_s, Qt::CaseInsensitive));
    // Down to the alternate table's "Truck with overlay", then Enter.
    while (picker->list()->currentItem()->text(2) != u"Truck with overlay"_s)
        QTest::keyClick(picker->filterField(), Qt::Key_Down);
    QTest::keyClick(picker->filterField(), Qt::Key_Return);
    EXPECT_FALSE(picker->isVisible());
    EXPECT_EQ(model.tracker.symbol.text(), u"u"_s);
    EXPECT_TRUE(model.tracker.alternateTable.isTicked());
    EXPECT_EQ(QApplication::focusWidget(), c().symbol);

    // Esc leaves both as they are.
    picker = openPicker(Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(picker);
    QTest::keyClicks(picker->filterField(), u"house"_s);
    QTest::keyClick(picker->filterField(), Qt::Key_Escape);
    EXPECT_FALSE(picker->isVisible());
    EXPECT_EQ(model.tracker.symbol.text(), u"u"_s);
    EXPECT_TRUE(model.tracker.alternateTable.isTicked());
}

// The picker opens on the field's symbol in the box's table, keeps it while
// the filter still shows it, and a primary-table choice clears the box.
TEST_F(WindowExplainsTest, PickerOpensOnTheCurrentSymbolAndAChoiceSetsTheTable)
{
    SymbolPicker *picker = openPicker(Qt::Key_F4);
    ASSERT_TRUE(picker);
    EXPECT_EQ(currentName(picker), u"Car"_s);
    QTest::keyClick(picker->filterField(), Qt::Key_Return);
    EXPECT_EQ(model.tracker.symbol.text(), u">"_s);
    EXPECT_FALSE(model.tracker.alternateTable.isTicked());

    type(c().symbol, u"k"_s);
    c().alternateTable->click();
    picker = openPicker(Qt::Key_F4);
    ASSERT_TRUE(picker);
    EXPECT_EQ(currentName(picker), u"Special vehicle (SUV, 4x4)"_s);
    QTest::keyClick(picker->filterField(), Qt::Key_Escape);
    c().alternateTable->click();
    picker = openPicker(Qt::Key_F4);
    ASSERT_TRUE(picker);
    QTest::keyClicks(picker->filterField(), u"truck"_s);
    EXPECT_EQ(currentName(picker), u"Truck"_s); // not the first match, "Fire truck"
    QTest::keyClick(picker->filterField(), Qt::Key_Escape);

    c().alternateTable->click();
    picker = openPicker(Qt::Key_F4);
    ASSERT_TRUE(picker);
    QTest::keyClicks(picker->filterField(), u"truck"_s);
    for (int down = 0; down < 10 && currentName(picker) != u"Truck"_s; ++down)
        QTest::keyClick(picker->filterField(), Qt::Key_Down);
    QTest::keyClick(picker->filterField(), Qt::Key_Return);
    EXPECT_EQ(model.tracker.symbol.text(), u"k"_s);
    EXPECT_FALSE(model.tracker.alternateTable.isTicked());
}

// A greyed "Alternate Table" (Load and --set can give it) is the alternate
// table everywhere: in the block, in the position text, in the symbol's note
// and in the picker.
TEST_F(WindowExplainsTest, GreyedAlternateTableIsTheAlternateTableEverywhere)
{
    ASSERT_TRUE(model.tracker.alternateTable.setValue(CheckBox::Grayed));
    EXPECT_EQ(c().symbol->toolTip(), u"Car with overlay: \">\" in the alternate table \"\\\""_s);

    SymbolPicker *picker = openPicker(Qt::Key_F4);
    ASSERT_TRUE(picker);
    EXPECT_EQ(currentName(picker), u"Car with overlay"_s);
    QTest::keyClick(picker->filterField(), Qt::Key_Escape);

    auto *calculate = window->calculator()->findChild<QPushButton *>(u"cmdCalc"_s);
    ASSERT_TRUE(calculate);
    calculate->click();
    EXPECT_EQ(model.tracker.statusText.text(), u"=\\NN!!NN!!>  >"_s);

    c().sendButton->click();
    QCoreApplication::processEvents();
    ASSERT_GE(port.written.size(), 2);
    EXPECT_EQ(port.written[1].at(4), '\\');
}

// A symbol field with its position unfilled is no symbol, as SEND reads it,
// not the weather station "_" that its prompt looks like.
TEST_F(WindowExplainsTest, UnfilledSymbolIsNoSymbolInTheNoteAndThePicker)
{
    ASSERT_TRUE(model.tracker.symbol.setText(QString()));
    EXPECT_EQ(c().symbol->toolTip(), u"No symbol: SEND refuses an empty symbol"_s);

    SymbolPicker *picker = openPicker(Qt::Key_F4);
    ASSERT_TRUE(picker);
    EXPECT_NE(currentName(picker), u"Weather station"_s);
    QTest::keyClick(picker->filterField(), Qt::Key_Escape);
}

// Every timing field has its note from the first frame, before anything is
// typed; a screen reader hears the field's format first, then the note.
TEST_F(WindowExplainsTest, TimingNotesAreThereFromTheStart)
{
    const struct {
        MaskedLineEdit *field;
        QString format;
        QString note;
    } rows[] = {
        {c().txDelay, u"3 digits, milliseconds"_s, u"200 ms: 30 flags before each packet"_s},
        {c().manualInterval, u"4 digits, seconds"_s, u"300 s (5 min): 12 beacons an hour"_s},
        {c().gpsInterval, u"3 digits, seconds"_s,
         u"100 s (1 min 40 s) between two GPS acquisitions"_s},
    };
    for (const auto &row : rows) {
        EXPECT_EQ(row.field->toolTip(), row.note);
        EXPECT_EQ(row.field->accessibleDescription(), row.format + u". "_s + row.note);
    }
    type(c().manualInterval, u"0600"_s);
    EXPECT_EQ(c().manualInterval->toolTip(), u"600 s (10 min): 6 beacons an hour"_s);
}

// What the tracker will really do, as the text is typed; a text SEND would
// refuse says why, and SEND's own mark after a rejection gives way to the
// note of the next text.
TEST_F(WindowExplainsTest, TimingNotesFollowTheTypedText)
{
    MaskedLineEdit *slowest = c().speedIntervals[0];
    type(slowest, u"0485"_s);
    EXPECT_EQ(slowest->toolTip(), u"480 s (8 min): 7.5 beacons an hour; SEND writes \"0480\""_s);
    EXPECT_TRUE(slowest->accessibleDescription().endsWith(slowest->toolTip()));
    type(c().speedIntervals[6], u"065"_s); // half to even: 60 s
    EXPECT_EQ(c().speedIntervals[6]->toolTip(),
              u"60 s (1 min): 60 beacons an hour; SEND writes \"060\""_s);
    type(c().txDelay, u"200"_s);
    EXPECT_EQ(c().txDelay->toolTip(), u"200 ms: 30 flags before each packet"_s);

    type(slowest, u"2600"_s);
    const QString refused =
        u"\"2600\": it makes 260 tens of seconds, more than a byte holds (255)"_s;
    EXPECT_EQ(slowest->toolTip(), u"SEND would refuse it: "_s + refused);
    c().sendButton->click();
    QCoreApplication::processEvents();
    EXPECT_EQ(slowest->toolTip(), refused);
    type(slowest, u"0600"_s);
    EXPECT_EQ(slowest->toolTip(), u"600 s (10 min): 6 beacons an hour"_s);
    EXPECT_EQ(DrawnFrameOf(slowest), DrawnFrame::None);
}

TEST_F(WindowExplainsTest, AmberComesAndGoesAsThePathIsTyped)
{
    MaskedLineEdit *path = c().path;
    const QString description = path->accessibleDescription();
    EXPECT_EQ(DrawnFrameOf(path), DrawnFrame::None);
    type(path, u"RELAY,WIDE"_s);
    EXPECT_EQ(DrawnFrameOf(path), DrawnFrame::Amber);
    const QString tip = shownToolTip(path);
    EXPECT_TRUE(tip.startsWith(u"Max 2 digipeater addresses\nWarning: \"RELAY\" is obsolete: "_s))
        << qPrintable(tip);
    EXPECT_TRUE(tip.contains(u"\nWarning: \"WIDE\" is obsolete: "_s)) << qPrintable(tip);
    EXPECT_TRUE(path->accessibleDescription().startsWith(description + u" Warning: \"RELAY\""_s))
        << qPrintable(path->accessibleDescription());
    type(path, u"WIDE1-1,WIDE2-1"_s);
    EXPECT_EQ(DrawnFrameOf(path), DrawnFrame::None);
    EXPECT_EQ(path->toolTip(), u"Max 2 digipeater addresses"_s);
    EXPECT_EQ(path->accessibleDescription(), description);
}

// A timing field keeps its note and adds the warning after it; the status
// text follows GPSless Mode, set in another field.
TEST_F(WindowExplainsTest, WarningsFollowTheNoteAndOtherFields)
{
    MaskedLineEdit *band = c().speedIntervals[6];
    type(band, u"030"_s);
    EXPECT_EQ(DrawnFrameOf(band), DrawnFrame::Amber);
    EXPECT_EQ(shownToolTip(band), u"30 s: 120 beacons an hour\nWarning: the "
                                  "tracker beacons every 30 s (120 an hour), more often than the "
                                  "usual once a minute on a shared channel; use 60 s or more"_s);

    EXPECT_EQ(DrawnFrameOf(c().statusText), DrawnFrame::None);
    type(c().gpsTimeout, u"000"_s);
    EXPECT_EQ(DrawnFrameOf(c().statusText), DrawnFrame::Amber);
    EXPECT_TRUE(shownToolTip(c().statusText).contains(u"Warning: in GPSless Mode the tracker"_s));
    type(c().statusText, u"=4530.50N/01152.34E>"_s);
    EXPECT_EQ(DrawnFrameOf(c().statusText), DrawnFrame::None);
    c().alternateTable->click(); // the position still says "/"
    EXPECT_EQ(DrawnFrameOf(c().statusText), DrawnFrame::Amber);
    c().alternateTable->click();
    type(c().symbol, u"k"_s);
    EXPECT_EQ(DrawnFrameOf(c().statusText), DrawnFrame::Amber);
    c().defaultButton->click();
    EXPECT_EQ(DrawnFrameOf(c().statusText), DrawnFrame::None);
    EXPECT_EQ(DrawnFrameOf(band), DrawnFrame::None);
}

// SEND refuses the path's second digipeater: red wins over the amber of
// RELAY, and once the text changes the amber is back as long as RELAY is.
TEST_F(WindowExplainsTest, RedOfARefusedSendWinsAndAmberComesBack)
{
    MaskedLineEdit *path = c().path;
    type(path, u"RELAY,X--1"_s);
    EXPECT_EQ(DrawnFrameOf(path), DrawnFrame::Amber);
    c().sendButton->click();
    QCoreApplication::processEvents();
    EXPECT_EQ(DrawnFrameOf(path), DrawnFrame::Red);
    EXPECT_EQ(path->toolTip(), u"\"RELAY,X--1\": second digipeater: the SSID \"-1\" after \"-\" is "
                               "not a whole number from 0 to 32767"_s);
    type(path, u"RELAY,X"_s);
    EXPECT_EQ(DrawnFrameOf(path), DrawnFrame::Amber);
    EXPECT_TRUE(shownToolTip(path).contains(u"Warning: \"RELAY\" is obsolete"_s));
    type(path, u"WIDE2-2"_s);
    EXPECT_EQ(DrawnFrameOf(path), DrawnFrame::None);
}

// The calculator's untouched 0 N 0 E warns, and the status text keeps the
// light yellow the calculator gives it under the amber frame.
TEST_F(WindowExplainsTest, AmberFrameKeepsTheCalculatorsYellow)
{
    type(c().gpsTimeout, u"000"_s);
    window->showCalculator();
    auto *write = window->calculator()->findChild<QPushButton *>(u"cmdCalc"_s);
    ASSERT_TRUE(write);
    write->click();
    MaskedLineEdit *status = c().statusText;
    EXPECT_EQ(DrawnFrameOf(status), DrawnFrame::Amber);
    EXPECT_TRUE(shownToolTip(status).contains(u"Warning: 0° N 0° E is APRS's \"no position\""_s));
    const QImage drawn = status->grab().toImage();
    EXPECT_EQ(drawn.pixelColor(status->width() - 6, status->height() / 2), QColor(255, 255, 128));
}

TEST_F(WindowExplainsTest, NoAmberForTheDefaultsWithARealCallsign)
{
    EXPECT_EQ(DrawnFrameOf(c().callsign), DrawnFrame::Amber); // NOCALL-9
    type(c().callsign, u"IU0ABC-9"_s);
    for (QLineEdit *field : window->findChildren<QLineEdit *>())
        EXPECT_EQ(DrawnFrameOf(field), DrawnFrame::None) << qPrintable(field->objectName());
    EXPECT_FALSE(c().callsign->accessibleDescription().contains(u"Warning"_s));
}

// The first marks wait for the first frame, as the timing notes do.
TEST(WindowExplainsStartUp, FirstAmberMarksComeAfterTheFirstFrame)
{
    SettingsModel model;
    testing::FakeMessagePresenter messages;
    testing::FakeFileDialogs dialogs;
    testing::RecordingPort port;
    MainWindow window(model, MainWindowServices{messages, dialogs, port, nullptr, std::nullopt});
    EXPECT_EQ(DrawnFrameOf(window.controls().callsign), DrawnFrame::None);
    QCoreApplication::processEvents();
    EXPECT_EQ(DrawnFrameOf(window.controls().callsign), DrawnFrame::Amber);
}

} // namespace
} // namespace tarvek::ui
