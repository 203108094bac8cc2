// What the main window tells the operator about the values: the symbol's
// name, the symbol picker, and the timing notes, as tooltips and accessible
// descriptions that follow the fields.
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
#include <QToolButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace tarvek::config;

namespace tarvek::ui
{
namespace
{

using namespace Qt::StringLiterals;

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
    EXPECT_EQ(testing::DrawnFrameOf(slowest), testing::DrawnFrame::None);
}

} // namespace
} // namespace tarvek::ui
