#include "RtfKeywords.h"

#include <unordered_map>

namespace tarvek::rtf
{

namespace
{

using KeywordTable = std::unordered_map<std::string_view, KeywordInfo>;

void addAll(KeywordTable &table, std::initializer_list<std::string_view> words, Keyword keyword)
{
    for (std::string_view word : words)
        table.emplace(word, KeywordInfo{keyword});
}

void addDestinations(KeywordTable &t)
{
    addAll(t, {"fonttbl"}, Keyword::FontTable);
    addAll(t, {"colortbl"}, Keyword::ColorTable);
    addAll(t, {"pict"}, Keyword::Picture);
    addAll(t, {"pntext", "listtext"}, Keyword::ListMarker);
    addAll(t, {"pn"}, Keyword::WordPadList);
    addAll(t, {"shppict", "field", "fldrslt", "object", "result", "shprslt"}, Keyword::Transparent);
    addAll(t, {"stylesheet",   "info",
               "header",       "headerl",
               "headerr",      "headerf",
               "footer",       "footerl",
               "footerr",      "footerf",
               "listtable",    "listoverridetable",
               "revtbl",       "rsidtbl",
               "generator",    "xmlnstbl",
               "filetbl",      "footnote",
               "annotation",   "pgdsctbl",
               "themedata",    "colorschememapping",
               "latentstyles", "datastore",
               "nonshppict",   "pnseclvl",
               "objdata",      "fldinst",
               "tc",           "txe",
               "xe",           "atnid",
               "atnauthor",    "ftnsep",
               "ftnsepc",      "aftnsep",
               "aftnsepc",     "template",
               "userprops",    "docvar",
               "pntxta",       "pntxtb",
               "bkmkstart",    "bkmkend",
               "shpinst",      "picprop",
               "mmathPr",      "panose",
               "falt"},
           Keyword::SkipGroup);
}

void addCharacterFormat(KeywordTable &t)
{
    addAll(t, {"b"}, Keyword::Bold);
    addAll(t, {"i"}, Keyword::Italic);
    addAll(t,
           {"ul", "uld", "uldash", "uldashd", "uldashdd", "uldb", "ulhwave", "ulldash", "ulth",
            "ulthd", "ulthdash", "ulthdashd", "ulthdashdd", "ulthldash", "ululdbwave", "ulw",
            "ulwave"},
           Keyword::Underline);
    addAll(t, {"ulnone"}, Keyword::UnderlineNone);
    addAll(t, {"strike", "striked"}, Keyword::Strike);
    addAll(t, {"f"}, Keyword::Font);
    addAll(t, {"fs"}, Keyword::FontSize);
    addAll(t, {"cf"}, Keyword::Foreground);
    addAll(t, {"highlight", "cb", "chcbpat"}, Keyword::Highlight);
    addAll(t, {"super"}, Keyword::Superscript);
    addAll(t, {"sub"}, Keyword::Subscript);
    addAll(t, {"nosupersub"}, Keyword::NoSuperSub);
    addAll(t, {"v"}, Keyword::Hidden);
    addAll(t, {"plain"}, Keyword::Plain);
}

void addParagraphFormat(KeywordTable &t)
{
    addAll(t, {"pard"}, Keyword::ParagraphDefault);
    addAll(t, {"ql"}, Keyword::AlignLeft);
    addAll(t, {"qc"}, Keyword::AlignCenter);
    addAll(t, {"qr"}, Keyword::AlignRight);
    addAll(t, {"qj", "qd"}, Keyword::AlignJustify);
    addAll(t, {"li", "lin"}, Keyword::LeftIndent);
    addAll(t, {"ri", "rin"}, Keyword::RightIndent);
    addAll(t, {"fi"}, Keyword::FirstIndent);
    addAll(t, {"sb"}, Keyword::SpaceBefore);
    addAll(t, {"sa"}, Keyword::SpaceAfter);
    addAll(t, {"sl"}, Keyword::LineSpacing);
    addAll(t, {"slmult"}, Keyword::LineMultiple);
    addAll(t, {"tx", "tb"}, Keyword::TabStop);
    addAll(t, {"intbl"}, Keyword::InTable);
    addAll(t, {"ls"}, Keyword::ListOverride);
    addAll(t, {"ilvl"}, Keyword::ListLevel);
    addAll(t, {"pnlvlblt"}, Keyword::PnBullet);
    addAll(t, {"pnlvlbody"}, Keyword::PnBody);
    addAll(t, {"pnlvlcont"}, Keyword::PnContinue);
    addAll(t, {"pnlvl"}, Keyword::PnLevel);
    addAll(t, {"pndec", "pnucltr", "pnlcltr", "pnucrm", "pnlcrm", "pnord", "pncard", "pnordt"},
           Keyword::PnNumberStyle);
}

void addTablesAndPictures(KeywordTable &t)
{
    addAll(t, {"fcharset"}, Keyword::FontCharset);
    const std::pair<std::string_view, FontFamily> families[] = {
        {"froman", FontFamily::Roman},      {"fswiss", FontFamily::Swiss},
        {"fmodern", FontFamily::Modern},    {"fscript", FontFamily::Script},
        {"fdecor", FontFamily::Decorative}, {"ftech", FontFamily::Technical}};
    for (const auto &[word, family] : families)
        t.emplace(word, KeywordInfo{Keyword::FontFamilyName, char16_t(family)});
    addAll(t, {"red"}, Keyword::Red);
    addAll(t, {"green"}, Keyword::Green);
    addAll(t, {"blue"}, Keyword::Blue);
    addAll(t, {"pngblip"}, Keyword::PngBlip);
    addAll(t, {"jpegblip"}, Keyword::JpegBlip);
    addAll(t, {"wmetafile", "emfblip", "dibitmap", "wbitmap", "macpict", "pmmetafile"},
           Keyword::OtherPictureFormat);
    addAll(t, {"picwgoal"}, Keyword::PicWidthGoal);
    addAll(t, {"pichgoal"}, Keyword::PicHeightGoal);
    addAll(t, {"picscalex"}, Keyword::PicScaleX);
    addAll(t, {"picscaley"}, Keyword::PicScaleY);
    addAll(t, {"picw"}, Keyword::PicWidth);
    addAll(t, {"pich"}, Keyword::PicHeight);
    addAll(t, {"bin"}, Keyword::Binary);
    addAll(t, {"cell"}, Keyword::Cell);
    addAll(t, {"row"}, Keyword::Row);
    addAll(t, {"nestcell"}, Keyword::NestedCell);
    addAll(t, {"nestrow"}, Keyword::NestedRow);
    addAll(t, {"trowd"}, Keyword::RowDefaults);
    addAll(t, {"cellx"}, Keyword::CellRightEdge);
}

void addText(KeywordTable &t)
{
    addAll(t, {"par"}, Keyword::Par);
    addAll(t, {"line"}, Keyword::Line);
    addAll(t, {"tab"}, Keyword::Tab);
    addAll(t, {"sect", "page"}, Keyword::SectionBreak);
    addAll(t, {"u"}, Keyword::Unicode);
    addAll(t, {"uc"}, Keyword::UnicodeSkip);
    addAll(t, {"ansicpg"}, Keyword::CodePage);
    addAll(t, {"ansi"}, Keyword::Ansi);
    addAll(t, {"mac"}, Keyword::Mac);
    addAll(t, {"pc"}, Keyword::Pc);
    addAll(t, {"pca"}, Keyword::Pca);
    addAll(t, {"deff"}, Keyword::DefaultFont);
    const std::pair<std::string_view, char16_t> characters[] = {
        {"emdash", 0x2014},    {"endash", 0x2013},    {"emspace", 0x2003}, {"enspace", 0x2002},
        {"qmspace", 0x2005},   {"bullet", 0x2022},    {"lquote", 0x2018},  {"rquote", 0x2019},
        {"ldblquote", 0x201C}, {"rdblquote", 0x201D}, {"zwj", 0x200D},     {"zwnj", 0x200C},
        {"zwbo", 0x200B},      {"zwnbo", 0xFEFF},     {"ltrmark", 0x200E}, {"rtlmark", 0x200F}};
    for (const auto &[word, character] : characters)
        t.emplace(word, KeywordInfo{Keyword::Character, character});
    // Common words that change nothing the viewer shows.
    addAll(t, {"rtf",      "deflang",     "deflangfe", "lang",      "langfe",      "langnp",
               "langfenp", "nouicompat",  "viewkind",  "widctlpar", "nowidctlpar", "hyphpar",
               "kerning",  "loch",        "hich",      "dbch",      "cs",          "s",
               "ds",       "ts",          "ltrpar",    "ltrch",     "rtlch",       "ltrsect",
               "sectd",    "fnil",        "fbidi",     "fprq",      "pnf",         "pnindent",
               "pnstart",  "pnhang",      "itap",      "trgaph",    "trleft",      "trql",
               "trqc",     "trqr",        "clbrdrt",   "clbrdrl",   "clbrdrb",     "clbrdrr",
               "brdrs",    "brdrw",       "brdrcf",    "trbrdrt",   "trbrdrl",     "trbrdrb",
               "trbrdrr",  "trbrdrh",     "trbrdrv",   "clvertalt", "clvertalc",   "clvertalb",
               "cltxlrtb", "clftsWidth",  "clwWidth",  "trautofit", "trpaddl",     "trpaddr",
               "trpaddfl", "trpaddfr",    "paperw",    "paperh",    "margl",       "margr",
               "margt",    "margb",       "fet",       "ftnbj",     "aenddoc",     "formshade",
               "horzdoc",  "dgmargin",    "keep",      "keepn",     "noproof",     "chftn",
               "lastrow",  "adjustright", "aspalpha",  "aspnum",    "faauto",      "fcs",
               "af",       "afs",         "ab",        "ai",        "alang",       "insrsid",
               "charrsid", "rsid",        "pararsid",  "sectrsid",  "tblrsid",     "irow",
               "irowband", "yts",         "objemb",    "objw",      "objh",        "blipupi",
               "bliptag"},
           Keyword::Ignored);
}

KeywordTable buildTable()
{
    KeywordTable table;
    addDestinations(table);
    addCharacterFormat(table);
    addParagraphFormat(table);
    addTablesAndPictures(table);
    addText(table);
    return table;
}

} // namespace

KeywordInfo lookupKeyword(std::string_view word)
{
    static const KeywordTable kTable = buildTable();
    const auto found = kTable.find(word);
    return found == kTable.end() ? KeywordInfo{} : found->second;
}

} // namespace tarvek::rtf
