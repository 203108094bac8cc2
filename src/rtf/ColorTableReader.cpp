#include "ColorTableReader.h"

#include <algorithm>

namespace tarvek::rtf
{

ColorTableReader::ColorTableReader(int maxColors) : m_maxColors(maxColors)
{
}

bool ColorTableReader::handleWord(Keyword keyword, int param)
{
    const int value = std::clamp(param, 0, 255);
    switch (keyword) {
    case Keyword::Red:
        m_entry.rgb.red = value;
        break;
    case Keyword::Green:
        m_entry.rgb.green = value;
        break;
    case Keyword::Blue:
        m_entry.rgb.blue = value;
        break;
    default:
        return false;
    }
    m_entry.isAuto = false;
    return true;
}

void ColorTableReader::appendText(const QString &text, QList<ColorEntry> &colors)
{
    for (const QChar c : text) {
        if (c != u';' || colors.size() >= m_maxColors)
            continue;
        colors.append(m_entry);
        m_entry = ColorEntry{};
    }
}

} // namespace tarvek::rtf
