#include "MaskedField.h"

#include "Cp1252.h"

namespace tarvek::config
{

MaskedField::MaskedField(const QString &mask, int maxLength, QObject *parent, int maxNumber)
    : QObject(parent), m_mask(mask), m_maxLength(maxLength), m_maxNumber(maxNumber),
      m_cells(mask.size())
{
}

namespace
{

// Digits alone, reading as at most `maxNumber`: "", "0" and "007" included.
bool isNumberUpTo(const QString &text, int maxNumber)
{
    int value = 0;
    for (const QChar ch : text) {
        if (ch < u'0' || ch > u'9')
            return false;
        value = value * 10 + (ch.unicode() - u'0');
        if (value > maxNumber)
            return false;
    }
    return true;
}

} // namespace

QString MaskedField::text() const
{
    if (!isMasked())
        return m_free.isEmpty() && m_maxNumber > 0 ? QString(kPrompt) : m_free;
    QString out;
    out.reserve(static_cast<qsizetype>(m_cells.size()));
    for (const Cell &cell : m_cells)
        out.append(cell ? *cell : kPrompt);
    return out;
}

QString MaskedField::content() const
{
    if (!isMasked())
        return m_free;
    QString out;
    for (const Cell &cell : m_cells) {
        if (cell)
            out.append(*cell);
    }
    return out;
}

bool MaskedField::acceptsAt(int pos, QChar ch) const
{
    if (pos < 0 || pos >= m_mask.size())
        return false;
    if (m_mask.at(pos) == u'&')
        return isPrintableSingleByte(ch.unicode());
    return ch >= u'0' && ch <= u'9';
}

bool MaskedField::setText(const QString &text)
{
    if (!isMasked()) {
        if (m_maxLength > 0 && text.size() > m_maxLength)
            return false;
        const bool prompt = m_maxNumber > 0 && text == kPrompt;
        if (m_maxNumber > 0 && !prompt && !isNumberUpTo(text, m_maxNumber))
            return false;
        m_free = prompt ? QString() : text;
        Q_EMIT changed();
        return true;
    }
    if (text.size() > m_mask.size())
        return false;
    std::vector<Cell> cells(m_cells.size());
    for (int i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        if (ch == kPrompt && m_mask.at(i) != u'&')
            continue; // an unfilled digit position
        if (!acceptsAt(i, ch))
            return false;
        cells[static_cast<size_t>(i)] = ch;
    }
    m_cells = std::move(cells);
    Q_EMIT changed();
    return true;
}

bool MaskedField::setCells(const std::vector<Cell> &cells)
{
    if (!isMasked() || cells.size() != m_cells.size())
        return false;
    for (size_t i = 0; i < cells.size(); ++i) {
        const Cell &cell = cells[i];
        if (cell && !acceptsAt(static_cast<int>(i), *cell))
            return false;
    }
    m_cells = cells;
    Q_EMIT changed();
    return true;
}

} // namespace tarvek::config
