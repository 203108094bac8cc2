// The control words the parser handles itself, grouped by what they change:
// the current destination (font and colour tables, picture, list), the
// document, and the structure (breaks, cells, rows, special characters). The
// format words are in FormatWords.cpp.
#include "RtfParser.h"

#include "FormatWords.h"

#include <algorithm>

namespace tarvek::rtf
{

namespace
{

constexpr int kMaxCells = 64;

// \uN is a signed 16-bit number: negative values stand for code units above
// 32767.
char16_t unicodeUnit(int param)
{
    if (param < -32768 || param > 65535)
        return 0xFFFD;
    return char16_t(param < 0 ? param + 65536 : param);
}

} // namespace

bool RtfParser::handleDestinationWord(Keyword keyword, const Token &token)
{
    switch (state().destination) {
    case Destination::FontTable:
        return m_fonts.handleWord(keyword, token, m_document);
    case Destination::ColorTable:
        return m_colors.handleWord(keyword, token.param);
    case Destination::Picture:
        if (keyword == Keyword::PngBlip || keyword == Keyword::JpegBlip ||
            keyword == Keyword::OtherPictureFormat) {
            m_picture.setFormat(keyword);
            return true;
        }
        m_picture.setSize(keyword, token.param);
        return false;
    case Destination::WordPadList:
        return m_wordPadList.handleWord(keyword, token);
    default:
        return false;
    }
}

bool RtfParser::handleDocumentWord(Keyword keyword, const Token &token)
{
    if (keyword == Keyword::DefaultFont) {
        m_document.defaultFont = token.param;
        return true;
    }
    const std::optional<int> codePage = codePageOfWord(keyword, token.param);
    if (!codePage)
        return false;
    m_document.codePage = m_pending.usableCodePage(*codePage);
    return true;
}

bool RtfParser::handleStructureWord(KeywordInfo info, const Token &token)
{
    const bool body = state().destination == Destination::Body;
    switch (info.keyword) {
    case Keyword::Par:
    case Keyword::SectionBreak:
        if (body)
            m_assembler.endParagraph(state().paragraph);
        return true;
    case Keyword::Line:
        deliverCharacter(0x2028);
        return true;
    case Keyword::Tab:
    case Keyword::NestedCell:
        deliverCharacter(u'\t');
        return true;
    case Keyword::NestedRow:
        deliverCharacter(0x2028);
        return true;
    case Keyword::Character:
        deliverCharacter(info.character);
        return true;
    case Keyword::Cell:
        if (body)
            m_assembler.endCell(state().paragraph);
        return true;
    case Keyword::Row:
        if (body)
            m_assembler.endRow(m_rowEdges);
        return true;
    case Keyword::RowDefaults:
        m_rowEdges.clear();
        return true;
    case Keyword::CellRightEdge:
        if (m_rowEdges.size() < kMaxCells)
            m_rowEdges.append(twipsParam(token));
        return true;
    case Keyword::Unicode:
        deliverCharacter(unicodeUnit(token.param));
        m_skipRemaining = state().unicodeSkip;
        return true;
    case Keyword::UnicodeSkip:
        state().unicodeSkip = std::clamp(token.param, 0, 16);
        return true;
    default:
        return info.keyword != Keyword::Unknown;
    }
}

} // namespace tarvek::rtf
