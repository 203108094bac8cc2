#pragma once
// The colour table as it is read: \redN, \greenN and \blueN describe an
// entry and ";" ends it; an entry with no component is "automatic".
#include "RtfDocument.h"
#include "RtfKeywords.h"

namespace tarvek::rtf
{

class ColorTableReader
{
public:
    // Keeps at most maxColors entries.
    explicit ColorTableReader(int maxColors);

    // Returns whether `keyword` is a colour component.
    bool handleWord(Keyword keyword, int param);
    void appendText(const QString &text, QList<ColorEntry> &colors);

private:
    int m_maxColors;
    ColorEntry m_entry;
};

} // namespace tarvek::rtf
