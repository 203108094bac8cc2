#pragma once
// A one-line text setting with an optional input mask, a maximum length and
// the prompt character "_". It is the single store of a field's value: the
// window's widget edits it, the program writes it, and every change, whoever
// makes it, is announced by changed().
#include <QObject>
#include <QString>
#include <optional>
#include <vector>

namespace tarvek::config
{

class MaskedField : public QObject
{
    Q_OBJECT
public:
    static constexpr QChar kPrompt = u'_';
    // One position of a masked field: a character, or nothing (unfilled).
    using Cell = std::optional<QChar>;

    // mask: "" (free text), or a string of "#" (digit), "9" (optional digit)
    // and "&" (any printable single-byte character), one per position.
    // maxLength: the most characters the field takes; 0 means no limit.
    // maxNumber: a free-text field that takes only digits, reading as a
    // number up to maxNumber; 0 means any text. Empty, such a field shows
    // and takes the prompt, as a one-digit masked field does, so that files
    // written by either read the same.
    MaskedField(const QString &mask, int maxLength, QObject *parent = nullptr, int maxNumber = 0);

    const QString &mask() const { return m_mask; }
    bool isMasked() const { return !m_mask.isEmpty(); }
    // The number of positions of a masked field: the digits a number written
    // into a numeric field gets. 0 for free text.
    int positions() const { return static_cast<int>(m_mask.size()); }
    int maxLength() const { return m_maxLength; }
    int maxNumber() const { return m_maxNumber; }

    // The text as shown: "_" in every unfilled position of a masked field.
    QString text() const;
    // The characters actually entered: unfilled positions left out, so the
    // symbol field with its one position unfilled is empty, while a "_" that
    // was entered there is the symbol "_".
    QString content() const;

    // Writes the whole text. A masked field takes at most one character per
    // position, each accepted by its position; "_" in a digit position leaves
    // it unfilled, while an "&" position takes "_" as a character. A free-text
    // field takes a text of up to maxLength characters. A text the field does
    // not take is refused: the result is false and the text stays as it was.
    [[nodiscard]] bool setText(const QString &text);

    // Masked fields: the positions one by one (for the editing widget).
    const std::vector<Cell> &cells() const { return m_cells; }
    [[nodiscard]] bool setCells(const std::vector<Cell> &cells);

    // Whether `ch` may stand in position `pos` of the mask.
    bool acceptsAt(int pos, QChar ch) const;

Q_SIGNALS:
    void changed();

private:
    QString m_mask;
    int m_maxLength;
    int m_maxNumber;
    std::vector<Cell> m_cells; // masked fields
    QString m_free;            // free-text fields
};

} // namespace tarvek::config
