#pragma once
// The control words the reader acts on. Everything else is an unknown word,
// which is ignored (and noted in the read report).
#include "RtfDocument.h"

#include <string_view>

namespace tarvek::rtf
{

enum class Keyword {
    Unknown,
    // Destinations: meaningful only as the first word of a group.
    FontTable,
    ColorTable,
    Picture,
    ListMarker,  // \pntext, \listtext: the marker text of a list item
    WordPadList, // \pn: a list definition written by WordPad
    Transparent, // \shppict, \field, \fldrslt, \object, \result: content shown
    SkipGroup,   // headers, footers, info, style sheet and the like
    // Document
    CodePage, // \ansicpgN
    Ansi,
    Mac,
    Pc,
    Pca,
    DefaultFont, // \deffN
    // Character format
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    Strike,
    Font,
    FontSize,
    Foreground,
    Highlight,
    Superscript,
    Subscript,
    NoSuperSub,
    Hidden,
    Plain,
    // Paragraph format
    ParagraphDefault,
    AlignLeft,
    AlignCenter,
    AlignRight,
    AlignJustify,
    LeftIndent,
    RightIndent,
    FirstIndent,
    SpaceBefore,
    SpaceAfter,
    LineSpacing,
    LineMultiple,
    TabStop,
    InTable,
    ListOverride, // \lsN
    ListLevel,    // \ilvlN
    // WordPad list definition words (inside \pn)
    PnBullet,
    PnBody,
    PnContinue,
    PnLevel,
    PnNumberStyle,
    // Font and colour table entries
    FontCharset,
    FontFamilyName, // \froman, \fswiss, ...: the family in KeywordInfo::character
    Red,
    Green,
    Blue,
    // Pictures
    PngBlip,
    JpegBlip,
    OtherPictureFormat,
    PicWidthGoal,
    PicHeightGoal,
    PicScaleX,
    PicScaleY,
    PicWidth,
    PicHeight,
    Binary,
    // Text and structure
    Par,
    Line,
    Tab,
    SectionBreak,
    Cell,
    Row,
    NestedCell,
    NestedRow,
    RowDefaults,
    CellRightEdge,
    Unicode,
    UnicodeSkip,
    Character, // a word that stands for one character (\emdash, \bullet, ...)
    Ignored,   // known and deliberately without effect
};

struct KeywordInfo {
    Keyword keyword = Keyword::Unknown;
    char16_t character = 0; // for Keyword::Character
};

KeywordInfo lookupKeyword(std::string_view word);

} // namespace tarvek::rtf
