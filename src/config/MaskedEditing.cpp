#include "MaskedEditing.h"

#include <algorithm>

namespace tarvek::config
{

namespace
{

using Cells = std::vector<MaskedField::Cell>;

// Removes `count` cells from `start`, moving the later ones left; a cell that
// its new position would not take leaves the removed range blank instead.
Cells removeCells(const MaskedField &field, Cells cells, int start, int count)
{
    const auto begin = cells.begin() + start;
    Cells shifted(cells.begin(), begin);
    shifted.insert(shifted.end(), begin + count, cells.end());
    shifted.resize(cells.size());
    for (size_t i = static_cast<size_t>(start); i < shifted.size(); ++i) {
        const MaskedField::Cell &cell = shifted[i];
        if (cell && !field.acceptsAt(static_cast<int>(i), *cell)) {
            std::fill(begin, begin + count, MaskedField::Cell{});
            return cells;
        }
    }
    return shifted;
}

std::optional<EditResult> insertMasked(const MaskedField &field, const Caret &caret,
                                       const QString &chars)
{
    Cells cells = field.cells();
    const int size = static_cast<int>(cells.size());
    const int start = caret.hasSelection() ? caret.selectionStart : caret.position;
    if (start + chars.size() > size)
        return std::nullopt;
    const auto selected = static_cast<size_t>(caret.selectionStart);
    for (int i = 0; i < caret.selectionLength; ++i)
        cells[selected + i].reset();
    const auto first = static_cast<size_t>(start);
    for (int i = 0; i < chars.size(); ++i) {
        if (!field.acceptsAt(start + i, chars.at(i)))
            return std::nullopt;
        cells[first + i] = chars.at(i);
    }
    return EditResult{cells, QString(), start + static_cast<int>(chars.size())};
}

std::optional<EditResult> insertFree(const MaskedField &field, const Caret &caret,
                                     const QString &chars)
{
    QString text = field.content();
    const int start = caret.hasSelection() ? caret.selectionStart : caret.position;
    text.remove(start, caret.selectionLength);
    QString added = chars;
    if (field.maxLength() > 0) {
        const qsizetype room = field.maxLength() - text.size();
        if (room <= 0)
            return std::nullopt;
        added.truncate(room);
    }
    text.insert(start, added);
    return EditResult{{}, text, start + static_cast<int>(added.size())};
}

std::optional<EditResult> removeRange(const MaskedField &field, int start, int count)
{
    if (count <= 0)
        return std::nullopt;
    if (!field.isMasked())
        return EditResult{{}, field.content().remove(start, count), start};
    return EditResult{removeCells(field, field.cells(), start, count), QString(), start};
}

// A free-text field is edited in its content: an empty digits field shows
// a prompt that is no character of it.
int editedSize(const MaskedField &field)
{
    return static_cast<int>((field.isMasked() ? field.text() : field.content()).size());
}

Caret clamped(const MaskedField &field, Caret caret)
{
    const int size = editedSize(field);
    caret.position = std::clamp(caret.position, 0, size);
    caret.selectionStart = std::clamp(caret.selectionStart, 0, size);
    caret.selectionLength = std::clamp(caret.selectionLength, 0, size - caret.selectionStart);
    return caret;
}

} // namespace

bool applyEdit(MaskedField &field, const EditResult &edit)
{
    return field.isMasked() ? field.setCells(edit.cells) : field.setText(edit.text);
}

std::optional<EditResult> insertChars(const MaskedField &field, const Caret &caret,
                                      const QString &chars)
{
    if (chars.isEmpty())
        return std::nullopt;
    const Caret c = clamped(field, caret);
    return field.isMasked() ? insertMasked(field, c, chars) : insertFree(field, c, chars);
}

std::optional<EditResult> deleteBackward(const MaskedField &field, const Caret &caret)
{
    const Caret c = clamped(field, caret);
    if (c.hasSelection())
        return removeRange(field, c.selectionStart, c.selectionLength);
    return removeRange(field, c.position - 1, c.position > 0 ? 1 : 0);
}

std::optional<EditResult> deleteForward(const MaskedField &field, const Caret &caret)
{
    const Caret c = clamped(field, caret);
    if (c.hasSelection())
        return removeRange(field, c.selectionStart, c.selectionLength);
    const int size = editedSize(field);
    return removeRange(field, c.position, c.position < size ? 1 : 0);
}

} // namespace tarvek::config
