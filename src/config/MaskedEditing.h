#pragma once
// What one operator edit does to a masked field, worked out without a widget:
// the widget reads the field, asks for the edit and writes the result back
// into the field, which stays the only store of the text.
//
// Masked fields behave as a masked edit does: a typed or pasted character
// overwrites the position at the caret (a selection is cleared first);
// Delete and Backspace remove characters and move the ones after them left.
// Free-text fields insert at the caret, up to the field's maximum length.
#include "MaskedField.h"

#include <QString>
#include <optional>
#include <vector>

namespace tarvek::config
{

// Caret and selection in display positions (one per character shown).
struct Caret {
    int position = 0;
    int selectionStart = 0;
    int selectionLength = 0;

    bool hasSelection() const { return selectionLength > 0; }
};

// The result of an accepted edit and where the caret goes: the new cells of
// a masked field (for MaskedField::setCells) or the new text of a free-text
// field (for MaskedField::setText).
struct EditResult {
    std::vector<MaskedField::Cell> cells;
    QString text;
    int caret = 0;
};

// Writes the edit into the field; false when the field refuses it.
[[nodiscard]] bool applyEdit(MaskedField &field, const EditResult &edit);

// Puts `chars` at the caret (replacing the selection). A masked field refuses
// the whole edit when a character is not accepted by its position or does not
// fit; a free-text field refuses a typed character beyond its maximum length
// and cuts a longer paste to what fits. Empty optional: nothing changes.
std::optional<EditResult> insertChars(const MaskedField &field, const Caret &caret,
                                      const QString &chars);

// Removes the selection, or the character before the caret.
std::optional<EditResult> deleteBackward(const MaskedField &field, const Caret &caret);

// Removes the selection, or the character after the caret.
std::optional<EditResult> deleteForward(const MaskedField &field, const Caret &caret);

} // namespace tarvek::config
