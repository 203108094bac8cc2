#include "FormatWords.h"

#include <algorithm>

namespace tarvek::rtf
{

int twipsParam(const Token &token, const ReadLimits &limits)
{
    return std::clamp(token.param, -limits.maxTwips, limits.maxTwips);
}

bool switchParam(const Token &token)
{
    return !token.hasParam || token.param != 0;
}

bool applyCharacterWord(Keyword keyword, const Token &token, const ReadLimits &limits,
                        CharFormat &format, bool &hidden)
{
    switch (keyword) {
    case Keyword::Bold:
        format.bold = switchParam(token);
        break;
    case Keyword::Italic:
        format.italic = switchParam(token);
        break;
    case Keyword::Underline:
        format.underline = switchParam(token);
        break;
    case Keyword::UnderlineNone:
        format.underline = false;
        break;
    case Keyword::Strike:
        format.strike = switchParam(token);
        break;
    case Keyword::Font:
        format.font = token.param;
        break;
    case Keyword::FontSize:
        format.halfPoints = token.param > 0 ? std::min(token.param, limits.maxFontHalfPoints) : 24;
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
        hidden = switchParam(token);
        break;
    case Keyword::Plain:
        format = CharFormat{};
        hidden = false;
        break;
    default:
        return false;
    }
    return true;
}

bool applyParagraphWord(Keyword keyword, const Token &token, const ReadLimits &limits,
                        ParagraphFormat &format)
{
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
        format.leftIndent = twipsParam(token, limits);
        break;
    case Keyword::RightIndent:
        format.rightIndent = twipsParam(token, limits);
        break;
    case Keyword::FirstIndent:
        format.firstLineIndent = twipsParam(token, limits);
        break;
    case Keyword::SpaceBefore:
        format.spaceBefore = std::max(twipsParam(token, limits), 0);
        break;
    case Keyword::SpaceAfter:
        format.spaceAfter = std::max(twipsParam(token, limits), 0);
        break;
    case Keyword::LineSpacing:
        format.lineSpacing = twipsParam(token, limits);
        break;
    case Keyword::LineMultiple:
        format.lineMultiple = switchParam(token);
        break;
    case Keyword::TabStop:
        if (format.tabStops.size() < limits.maxTabStops)
            format.tabStops.append(std::max(twipsParam(token, limits), 0));
        break;
    case Keyword::InTable:
        format.inTable = true;
        break;
    case Keyword::ListOverride:
        format.listId = std::max(token.param, 0);
        break;
    case Keyword::ListLevel:
        format.listLevel = std::clamp(token.param, 0, limits.maxListLevel);
        break;
    default:
        return false;
    }
    return true;
}

} // namespace tarvek::rtf
