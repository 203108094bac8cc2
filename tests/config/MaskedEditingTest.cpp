// One operator edit worked out on a field, without a widget: the text after
// it and where the caret goes, or a refusal that leaves the field as it was.
#include "MaskedEditing.h"

#include <gtest/gtest.h>

using namespace tarvek::config;

namespace tarvek
{
namespace
{

enum class Action { Insert, Backspace, Delete };

struct EditRow {
    const char *name;
    const char *mask; // "" free text
    int maxLength;
    const char *before;
    Caret caret;
    Action action;
    const char *typed;
    const char *after; // nullptr: refused
    int caretAfter;
    int maxNumber = 0; // a digits field up to this number
};

class MaskedEditingTest : public testing::TestWithParam<EditRow>
{
};

TEST_P(MaskedEditingTest, GivesTheTextAndCaretAfterTheEdit)
{
    const EditRow &row = GetParam();
    MaskedField field(QString::fromLatin1(row.mask), row.maxLength, nullptr, row.maxNumber);
    ASSERT_TRUE(field.setText(QString::fromLatin1(row.before)));
    std::optional<EditResult> edit;
    switch (row.action) {
    case Action::Insert:
        edit = insertChars(field, row.caret, QString::fromLatin1(row.typed));
        break;
    case Action::Backspace:
        edit = deleteBackward(field, row.caret);
        break;
    case Action::Delete:
        edit = deleteForward(field, row.caret);
        break;
    }
    if (!row.after) {
        EXPECT_FALSE(edit && applyEdit(field, *edit));
        EXPECT_EQ(field.text(), QString::fromLatin1(row.before));
        return;
    }
    ASSERT_TRUE(edit);
    ASSERT_TRUE(applyEdit(field, *edit));
    EXPECT_EQ(field.text(), QString::fromLatin1(row.after));
    EXPECT_EQ(edit->caret, row.caretAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, MaskedEditingTest,
    testing::Values(
        EditRow{"DigitOverwritesAtCaret", "999", 3, "12_", {1}, Action::Insert, "5", "15_", 2},
        EditRow{
            "SelectionClearedFirst", "9999", 4, "1234", {1, 1, 2}, Action::Insert, "7", "17_4", 2},
        EditRow{"NoPositionLeft", "999", 3, "123", {3}, Action::Insert, "4", nullptr, 0},
        EditRow{"LetterInDigitPosition", "999", 3, "12_", {2}, Action::Insert, "a", nullptr, 0},
        EditRow{"BackspaceClosesUp", "9999", 4, "1234", {2}, Action::Backspace, "", "134_", 1},
        EditRow{"DeleteClosesUp", "9999", 4, "1234", {0, 0, 2}, Action::Delete, "", "34__", 0},
        EditRow{"ShiftRefusedBlanksInstead", "9&", 2, "1x", {0}, Action::Delete, "", "_x", 0},
        EditRow{"BackspaceAtStart", "999", 3, "123", {0}, Action::Backspace, "", nullptr, 0},
        EditRow{"FreePasteCutToFit", "", 5, "abc", {3}, Action::Insert, "defg", "abcde", 5},
        EditRow{"FreeFullRefusesTyping", "", 3, "abc", {1}, Action::Insert, "d", nullptr, 0},
        EditRow{
            "FreeFullTakesOverSelection", "", 3, "abc", {0, 1, 1}, Action::Insert, "X", "aXc", 2},
        EditRow{"CaretBeyondTextIsClamped", "", 0, "ab", {9}, Action::Backspace, "", "a", 1},
        // "Comm num:": up to three digits, 255 at most; empty, it shows "_".
        EditRow{
            "NumberTypedOverThePrompt", "", 3, "_", {0, 0, 1}, Action::Insert, "1", "1", 1, 255},
        EditRow{"NumberTypedAfterThePrompt", "", 3, "_", {1}, Action::Insert, "7", "7", 1, 255},
        EditRow{"NumberGrowsToThreeDigits", "", 3, "12", {2}, Action::Insert, "5", "125", 3, 255},
        EditRow{"NumberAboveItsMaximum", "", 3, "25", {2}, Action::Insert, "6", nullptr, 0, 255},
        EditRow{"NumberTakesNoLetter", "", 3, "1", {1}, Action::Insert, "a", nullptr, 0, 255},
        EditRow{
            "NumberEmptiedShowsThePrompt", "", 3, "1", {1}, Action::Backspace, "", "_", 0, 255}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace tarvek
