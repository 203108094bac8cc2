// The control words, grouped by what they change: the current destination's
// tables, the document, the character format, the paragraph format, and the
// structure (breaks, cells, rows, special characters).
#include "RtfParser.h"

#include <algorithm>

namespace tarvek::rtf
{

namespace
{

constexpr int kMaxTwips = 31680;
constexpr int kMaxTabStops = 32;
constexpr int kMaxCells = 64;

int twips(const Token &token)
{
    return std::clamp(token.param, -kMaxTwips, kMaxTwips);
}

bool toggle(const Token &token)
{
    return !token.hasParam || token.param != 0;
}

// \uN is a signed 16-bit number: negative values stand for code units above
// 32767.
char16_t unicodeUnit(int param)
{
    if (param < -32768 || param > 65535)
        return 0xFFFD;
    return char16_t(param < 0 ? param + 65536 : param);
}

} // namespace

bool RtfParser::handleColorWord(Keyword keyword, int param)
{
    const int value = std::clamp(param, 0, 255);
    switch (keyword) {
    case Keyword::Red:
        m_colorEntry.rgb.red = value;
        break;
    case Keyword::Green:
        m_colorEntry.rgb.green = value;
        break;
    case Keyword::Blue:
        m_colorEntry.rgb.blue = value;
        break;
    default:
        return false;
    }
    m_colorEntry.isAuto = false;
    return true;
}

bool RtfParser::handleDestinationWord(Keyword keyword, const Token &token)
{
    switch (state().destination) {
    case Destination::FontTable:
        if (keyword == Keyword::Font) {
            finishFontEntry();
            m_fontEntry = FontEntry{token.param, QString(), 0};
            m_fontEntryOpen = true;
            return true;
        }
        if (keyword == Keyword::FontCharset) {
            m_fontEntry.charset = token.param;
            return true;
        }
        if (keyword == Keyword::FontFamilyName) {
            m_fontEntry.family = static_cast<FontFamily>(lookupKeyword(token.word).character);
            return true;
        }
        return false;
    case Destination::ColorTable:
        return handleColorWord(keyword, token.param);
    case Destination::Picture:
        if (keyword == Keyword::PngBlip || keyword == Keyword::JpegBlip ||
            keyword == Keyword::OtherPictureFormat) {
            m_picture.setFormat(keyword);
            return true;
        }
        m_picture.setSize(keyword, token.param);
        return false;
    case Destination::WordPadList:
        switch (keyword) {
        case Keyword::PnBullet:
            m_pnKind = ListKind::Bullet;
            return true;
        case Keyword::PnBody:
        case Keyword::PnNumberStyle:
            if (m_pnKind == ListKind::None)
                m_pnKind = ListKind::Numbered;
            return true;
        case Keyword::PnLevel:
            m_pnLevel = std::clamp(token.param - 1, 0, 8);
            if (m_pnKind == ListKind::None)
                m_pnKind = ListKind::Numbered;
            return true;
        default:
            return false;
        }
    default:
        return false;
    }
}

bool RtfParser::handleDocumentWord(Keyword keyword, const Token &token)
{
    int codePage = 0;
    switch (keyword) {
    case Keyword::Ansi:
        codePage = kDefaultCodePage;
        break;
    case Keyword::Mac:
        codePage = 10000;
        break;
    case Keyword::Pc:
        codePage = 437;
        break;
    case Keyword::Pca:
        codePage = 850;
        break;
    case Keyword::CodePage:
        codePage = token.param;
        break;
    case Keyword::DefaultFont:
        m_document.defaultFont = token.param;
        return true;
    default:
        return false;
    }
    m_document.codePage = m_decoders.forCodePage(codePage).codePage();
    return true;
}

bool RtfParser::handleCharacterWord(Keyword keyword, const Token &token)
{
    CharFormat &format = state().character;
    switch (keyword) {
    case Keyword::Bold:
        format.bold = toggle(token);
        break;
    case Keyword::Italic:
        format.italic = toggle(token);
        break;
    case Keyword::Underline:
        format.underline = toggle(token);
        break;
    case Keyword::UnderlineNone:
        format.underline = false;
        break;
    case Keyword::Strike:
        format.strike = toggle(token);
        break;
    case Keyword::Font:
        format.font = token.param;
        break;
    case Keyword::FontSize:
        format.halfPoints = token.param > 0 ? std::min(token.param, 3276) : 24;
        break;
    case Keyword::Foreground:
        format.foreground = std::max(token.param, 0);
        break;
    case Keyword::Highlight:
        format.background = std::max(token.param, 0);
        break;
    case Keyword::Superscript:
        format.vertical = VerticalPosition::Superscript;
        break;
    case Keyword::Subscript:
        format.vertical = VerticalPosition::Subscript;
        break;
    case Keyword::NoSuperSub:
        format.vertical = VerticalPosition::Normal;
        break;
    case Keyword::Hidden:
        state().hidden = toggle(token);
        break;
    case Keyword::Plain:
        format = CharFormat{};
        state().hidden = false;
        break;
    default:
        return false;
    }
    return true;
}

bool RtfParser::handleParagraphWord(Keyword keyword, const Token &token)
{
    ParagraphFormat &format = state().paragraph;
    switch (keyword) {
    case Keyword::ParagraphDefault:
        format = ParagraphFormat{};
        break;
    case Keyword::AlignLeft:
        format.alignment = Alignment::Left;
        break;
    case Keyword::AlignCenter:
        format.alignment = Alignment::Center;
        break;
    case Keyword::AlignRight:
        format.alignment = Alignment::Right;
        break;
    case Keyword::AlignJustify:
        format.alignment = Alignment::Justify;
        break;
    case Keyword::LeftIndent:
        format.leftIndent = twips(token);
        break;
    case Keyword::RightIndent:
        format.rightIndent = twips(token);
        break;
    case Keyword::FirstIndent:
        format.firstLineIndent = twips(token);
        break;
    case Keyword::SpaceBefore:
        format.spaceBefore = std::max(twips(token), 0);
        break;
    case Keyword::SpaceAfter:
        format.spaceAfter = std::max(twips(token), 0);
        break;
    case Keyword::LineSpacing:
        format.lineSpacing = twips(token);
        break;
    case Keyword::LineMultiple:
        format.lineMultiple = toggle(token);
        break;
    case Keyword::TabStop:
        if (format.tabStops.size() < kMaxTabStops)
            format.tabStops.append(std::max(twips(token), 0));
        break;
    case Keyword::InTable:
        format.inTable = true;
        break;
    case Keyword::ListOverride:
        format.listId = std::max(token.param, 0);
        break;
    case Keyword::ListLevel:
        format.listLevel = std::clamp(token.param, 0, 8);
        break;
    default:
        return false;
    }
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
            m_rowEdges.append(twips(token));
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
