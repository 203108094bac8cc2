#include "MaskedLineEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <gtest/gtest.h>

using namespace tarvek::config;

using tarvek::config::MaskedField;
using tarvek::ui::MaskedLineEdit;

namespace
{

struct Fixture {
    Fixture(const QString &mask, int maxLength, const QString &text)
        : field(mask, maxLength), edit(field)
    {
        EXPECT_TRUE(field.setText(text));
        QObject::connect(&field, &MaskedField::changed, &field, [this] { ++changes; });
        edit.show();
        edit.activateWindow();
        edit.setFocus();
    }

    MaskedField field;
    MaskedLineEdit edit;
    int changes = 0;
};

TEST(MaskedLineEdit, TypedDigitsOverwriteFromTheSelection)
{
    Fixture f(QStringLiteral("999"), 3, QStringLiteral("025"));
    f.edit.selectAll();
    QTest::keyClicks(&f.edit, QStringLiteral("0"));
    EXPECT_EQ(f.field.text(), QStringLiteral("0__"));
    EXPECT_EQ(f.edit.text(), QStringLiteral("0__"));
    EXPECT_EQ(f.edit.cursorPosition(), 1);
    QTest::keyClicks(&f.edit, QStringLiteral("2"));
    EXPECT_EQ(f.field.text(), QStringLiteral("02_"));
    QTest::keyClicks(&f.edit, QStringLiteral("5"));
    EXPECT_EQ(f.field.text(), QStringLiteral("025"));
    EXPECT_EQ(f.changes, 3);
    // The caret is past the last position: a masked field takes no more.
    QTest::keyClicks(&f.edit, QStringLiteral("7"));
    EXPECT_EQ(f.field.text(), QStringLiteral("025"));
    EXPECT_EQ(f.changes, 3);
}

TEST(MaskedLineEdit, TypingOverwritesAtTheCaret)
{
    Fixture f(QStringLiteral("9999"), 4, QStringLiteral("0480"));
    f.edit.setCursorPosition(1);
    QTest::keyClicks(&f.edit, QStringLiteral("9"));
    EXPECT_EQ(f.field.text(), QStringLiteral("0980"));
    EXPECT_EQ(f.edit.cursorPosition(), 2);
}

TEST(MaskedLineEdit, RefusedCharacterLeavesTextCaretAndSelection)
{
    Fixture f(QStringLiteral("999"), 3, QStringLiteral("123"));
    f.edit.setSelection(1, 1);
    QTest::keyClicks(&f.edit, QStringLiteral("x"));
    EXPECT_EQ(f.field.text(), QStringLiteral("123"));
    EXPECT_EQ(f.edit.selectionStart(), 1);
    EXPECT_EQ(f.edit.selectedText(), QStringLiteral("2"));
    EXPECT_EQ(f.changes, 0);
}

TEST(MaskedLineEdit, HookDropsAndReplacesCodes)
{
    Fixture f(QString(), 9, QStringLiteral("AB"));
    std::vector<int> seen;
    f.edit.setKeyHook([&](int &code) {
        seen.push_back(code);
        if (code == '*')
            code = 0;
        else if (code >= 'a' && code <= 'z')
            code -= 32;
    });
    f.edit.setSelection(0, 1);
    QTest::keyClicks(&f.edit, QStringLiteral("*"));
    EXPECT_EQ(f.field.text(), QStringLiteral("AB"));
    EXPECT_EQ(f.edit.selectedText(), QStringLiteral("A"));
    f.edit.setCursorPosition(2);
    QTest::keyClicks(&f.edit, QStringLiteral("c"));
    EXPECT_EQ(f.field.text(), QStringLiteral("ABC"));
    EXPECT_EQ(seen, (std::vector<int>{'*', 'c'}));
}

TEST(MaskedLineEdit, HookSeesCodePageCodes)
{
    Fixture f(QString(), 9, QString());
    std::vector<int> seen;
    f.edit.setKeyHook([&](int &code) { seen.push_back(code); });
    f.edit.typeCharacters(QStringLiteral(u"\u20ac\u00e9\u0105"));
    // The euro sign is 0x80 in Windows-1252; "ą" has no code there and is
    // not inserted when the hook leaves it.
    EXPECT_EQ(seen, (std::vector<int>{0x80, 0xE9, 0x105}));
    EXPECT_EQ(f.field.text(), QStringLiteral(u"\u20ac\u00e9"));
}

TEST(MaskedLineEdit, BackspaceReachesTheHookAsCodeEight)
{
    Fixture f(QString(), 9, QStringLiteral("ABC"));
    bool blocked = true;
    f.edit.setKeyHook([&](int &code) {
        if (code == 8 && blocked)
            code = 0;
    });
    f.edit.setCursorPosition(3);
    QTest::keyClick(&f.edit, Qt::Key_Backspace);
    EXPECT_EQ(f.field.text(), QStringLiteral("ABC"));
    blocked = false;
    QTest::keyClick(&f.edit, Qt::Key_Backspace);
    EXPECT_EQ(f.field.text(), QStringLiteral("AB"));
    EXPECT_EQ(f.edit.cursorPosition(), 2);
}

TEST(MaskedLineEdit, FreeTextStopsAtMaxLength)
{
    Fixture f(QString(), 4, QStringLiteral("ABC"));
    f.edit.setCursorPosition(3);
    QTest::keyClicks(&f.edit, QStringLiteral("DE"));
    EXPECT_EQ(f.field.text(), QStringLiteral("ABCD"));
    // A full field still takes a character that replaces a selection.
    f.edit.setSelection(0, 1);
    QTest::keyClicks(&f.edit, QStringLiteral("Z"));
    EXPECT_EQ(f.field.text(), QStringLiteral("ZBCD"));
}

TEST(MaskedLineEdit, DeleteAndBackspaceCloseUpMaskedPositions)
{
    Fixture f(QStringLiteral("9999"), 4, QStringLiteral("1234"));
    f.edit.setCursorPosition(1);
    QTest::keyClick(&f.edit, Qt::Key_Delete);
    EXPECT_EQ(f.field.text(), QStringLiteral("134_"));
    EXPECT_EQ(f.edit.cursorPosition(), 1);
    QTest::keyClick(&f.edit, Qt::Key_Backspace);
    EXPECT_EQ(f.field.text(), QStringLiteral("34__"));
    EXPECT_EQ(f.edit.cursorPosition(), 0);
    f.edit.selectAll();
    QTest::keyClick(&f.edit, Qt::Key_Delete);
    EXPECT_EQ(f.field.text(), QStringLiteral("____"));
}

TEST(MaskedLineEdit, AnyCharacterPositionTakesThePromptCharacter)
{
    Fixture f(QStringLiteral("&"), 1, QStringLiteral(">"));
    f.edit.selectAll();
    QTest::keyClicks(&f.edit, QStringLiteral("_"));
    EXPECT_EQ(f.field.content(), QStringLiteral("_"));
    QTest::keyClick(&f.edit, Qt::Key_Backspace);
    EXPECT_EQ(f.field.content(), QString());
    EXPECT_EQ(f.edit.text(), QStringLiteral("_"));
}

TEST(MaskedLineEdit, PasteGoesThroughTheHookAndTheMask)
{
    Fixture free(QString(), 6, QStringLiteral("AB"));
    free.edit.setKeyHook([](int &code) {
        if (code == ' ')
            code = 0;
    });
    QApplication::clipboard()->setText(QStringLiteral("C D EFGH"));
    free.edit.setCursorPosition(2);
    free.edit.pasteFrom(QClipboard::Clipboard);
    EXPECT_EQ(free.field.text(), QStringLiteral("ABCDEF"));

    Fixture masked(QStringLiteral("999"), 3, QStringLiteral("100"));
    QApplication::clipboard()->setText(QStringLiteral("2x"));
    masked.edit.selectAll();
    masked.edit.pasteFrom(QClipboard::Clipboard);
    EXPECT_EQ(masked.field.text(), QStringLiteral("100"));
    QApplication::clipboard()->setText(QStringLiteral("25"));
    masked.edit.selectAll();
    masked.edit.pasteFrom(QClipboard::Clipboard);
    EXPECT_EQ(masked.field.text(), QStringLiteral("25_"));
}

TEST(MaskedLineEdit, CutCopiesAndRemovesTheSelection)
{
    Fixture f(QString(), 9, QStringLiteral("NOCALL-9"));
    f.edit.setSelection(6, 2);
    f.edit.cutSelection();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("-9"));
    EXPECT_EQ(f.field.text(), QStringLiteral("NOCALL"));
}

TEST(MaskedLineEdit, ProgramWritesAreShownAndAnnounced)
{
    Fixture f(QStringLiteral("999"), 3, QStringLiteral("025"));
    ASSERT_TRUE(f.field.setText(QStringLiteral("7")));
    EXPECT_EQ(f.edit.text(), QStringLiteral("7__"));
    EXPECT_EQ(f.changes, 1);
    EXPECT_FALSE(f.field.setText(QStringLiteral("1000")));
    EXPECT_EQ(f.edit.text(), QStringLiteral("7__"));
}

TEST(MaskedLineEdit, StandardEditingPathsCannotBypassTheField)
{
    Fixture f(QStringLiteral("999"), 3, QStringLiteral("025"));
    // QLineEdit's own slots write straight into the widget; the field's text
    // is put back at once.
    f.edit.QLineEdit::setText(QStringLiteral("abc"));
    EXPECT_EQ(f.edit.text(), QStringLiteral("025"));
    f.edit.selectAll();
    f.edit.QLineEdit::del();
    EXPECT_EQ(f.edit.text(), QStringLiteral("025"));
    EXPECT_EQ(f.changes, 0);
    QTest::keyClick(&f.edit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(f.field.text(), QStringLiteral("025"));
}

} // namespace
