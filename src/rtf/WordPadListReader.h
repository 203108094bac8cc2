#pragma once
// WordPad's list description ({\pn ...}): a bullet or a numbered list, and
// its level. When the group closes, the paragraph it stands in takes it.
#include "RtfDocument.h"
#include "RtfKeywords.h"
#include "RtfTokenizer.h"

namespace tarvek::rtf
{

class WordPadListReader
{
public:
    // Levels above maxLevel are taken as maxLevel.
    explicit WordPadListReader(int maxLevel);

    void start();
    // Returns whether `keyword` is a word of the list description.
    bool handleWord(Keyword keyword, const Token &token);
    void applyTo(ParagraphFormat &format) const;

private:
    int m_maxLevel;
    ListKind m_kind = ListKind::None;
    int m_level = 0;
};

} // namespace tarvek::rtf
