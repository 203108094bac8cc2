#pragma once
// The font table as it is read: \fN starts an entry, \fcharsetN and the
// family word describe it, and its name is the text up to ";". Finished
// entries go to the document; the code page of each font's charset is kept
// for decoding the text set in that font.
#include "RtfDocument.h"
#include "RtfKeywords.h"
#include "RtfReader.h"
#include "RtfTokenizer.h"

#include <QHash>

namespace tarvek::rtf
{

class FontTableReader
{
public:
    // Keeps at most limits.maxFonts entries; a name grows no more once it
    // has limits.maxFontNameLength characters.
    explicit FontTableReader(const ReadLimits &limits);

    // Returns whether `keyword` is a word of the font table.
    bool handleWord(Keyword keyword, const Token &token, Document &document);
    void appendText(const QString &text, Document &document);
    // Ends the entry being read, if any (the table's group has closed).
    void finish(Document &document);

    // The code page of font `number`'s charset; 0 when it has none.
    int codePageOf(int number) const { return m_codePages.value(number, 0); }

private:
    int m_maxFonts;
    int m_maxNameLength;
    FontEntry m_entry;
    bool m_open = false;
    QHash<int, int> m_codePages;
};

} // namespace tarvek::rtf
