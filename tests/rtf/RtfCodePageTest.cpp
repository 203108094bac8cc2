// Text decoding: \'hh in the document's or the font's code page, raw 8-bit
// bytes, \uN with its fallback, and the words that stand for one character.
#include "RtfTestSupport.h"

#include <gtest/gtest.h>

namespace tarvek::rtf
{
namespace
{

using namespace tarvek::testing;
using namespace Qt::Literals::StringLiterals;

struct TextCase {
    const char *name;
    std::string rtf;
    QString expected;
};

class DecodedText : public ::testing::TestWithParam<TextCase>
{
};

TEST_P(DecodedText, ReadsAsExpected)
{
    EXPECT_EQ(textOf(GetParam().rtf), GetParam().expected);
}

const TextCase kTextCases[] = {
    {"HexInDefault1252", R"({\rtf1\ansi perch\'e8 \'80 5})", u"perchè € 5"_s},
    {"HexInDeclared1252", R"({\rtf1\ansi\ansicpg1252 citt\'e0})", u"città"_s},
    {"RawHighByteIs1252", "{\\rtf1\\ansi caff\xe8}", u"caffè"_s},
    {"HexIn1251", R"({\rtf1\ansi\ansicpg1251 \'c0\'e1})", u"Аб"_s},
    {"HexIn1250", R"({\rtf1\ansi\ansicpg1250 \'b9})", u"ą"_s},
    // 9B is "ø" in IBM 850 and "¢" in IBM 437.
    {"HexInPca850", R"({\rtf1\pca \'9b})", u"ø"_s},
    {"FontCharsetOverridesDocument",
     R"({\rtf1\ansi\ansicpg1252{\fonttbl{\f0 Arial;}{\f1\fcharset238 Arial CE;}}\f1\'b9\f0\'b9})",
     u"ą¹"_s},
    // Text before any \f is in the default font: Windows-1251 reads C0 E1 as "Аб".
    {"DefaultFontCharsetWithoutF",
     R"({\rtf1\ansi\ansicpg1252\deff1{\fonttbl{\f0 Arial;}{\f1\fcharset204 Arial Cyr;}}\'c0\'e1})",
     u"Аб"_s},
    {"DoubleByteCodePage", R"({\rtf1\ansi\ansicpg932 \'82\'a0})", u"あ"_s},
    {"UnknownCodePageFallsBackTo1252", R"({\rtf1\ansi\ansicpg9999 \'e8})", u"è"_s},
    {"SymbolFontBullet", R"({\rtf1{\fonttbl{\f1\fcharset2 Symbol;}}{\f1\'b7} x})", u"• x"_s},
    {"UnicodeSkipsOneFallback", R"({\rtf1 A\u8364?B})", u"A€B"_s},
    {"UnicodeFallbackHexCountsAsOne", R"({\rtf1 caf\u233\'e9!})", u"café!"_s},
    {"UcTwoSkipsTwo", R"({\rtf1\uc2 A\u8364??B})", u"A€B"_s},
    {"UcZeroSkipsNothing", R"({\rtf1\uc0 A\u8364 B})", u"A€B"_s},
    {"UcIsScopedToItsGroup", R"({\rtf1 {\uc2 \u8364xx}\u8364xY})", u"€€Y"_s},
    {"SkipEndsAtGroupEnd", R"({\rtf1\uc3 \u8364{b}c})", u"€bc"_s},
    {"NegativeUnicodeIsSurrogatePair", R"({\rtf1 \u-10179?\u-8704?})", u"\U0001F600"_s},
    {"EscapedBracesAndBackslash", R"({\rtf1 \{a\}\\b})", u"{a}\\b"_s},
    {"SpecialCharacters",
     R"({\rtf1 a\emdash b\endash c\~d\_e\lquote f\rquote\ldblquote g\rdblquote\bullet})",
     u"a—b–c\u00A0d\u2011e‘f’“g”•"_s},
    {"TabAndLineBreak", R"({\rtf1 a\tab b\line c})", u"a\tb\u2028c"_s},
    {"OptionalHyphenDropped", R"({\rtf1 ab\-cd})", u"abcd"_s},
    {"LineEndsInSourceIgnored", "{\\rtf1 ab\r\ncd\nef}", u"abcdef"_s},
    {"DelimiterSpaceConsumed", R"({\rtf1\b  two})", u" two"_s},
    {"UnicodeFallbackWordCountsAsOne", R"({\rtf1 A\u8364\lquote B})", u"A€B"_s},
    {"UcTwoSkipsAWordAndAHexEscape", R"({\rtf1\uc2 A\u8364\rquote\'e9B})", u"A€B"_s},
};

INSTANTIATE_TEST_SUITE_P(Reader, DecodedText, ::testing::ValuesIn(kTextCases),
                         [](const auto &info) { return std::string(info.param.name); });

// Every character set a font may declare: one byte (or byte pair) that only
// that code page reads as the given character.
struct CharsetCase {
    int charset;
    const char *bytes;
    QString expected;
};

class FontCharset : public ::testing::TestWithParam<CharsetCase>
{
};

TEST_P(FontCharset, DecodesItsCharacteristicBytes)
{
    const CharsetCase &c = GetParam();
    const std::string rtf = "{\\rtf1\\ansi{\\fonttbl{\\f1\\fcharset" + std::to_string(c.charset) +
                            " X;}}\\f1 " + c.bytes + "}";
    EXPECT_EQ(textOf(rtf), c.expected) << rtf;
}

INSTANTIATE_TEST_SUITE_P(
    Reader, FontCharset,
    ::testing::Values(CharsetCase{2, R"(\'b7)", u"•"_s}, CharsetCase{77, R"(\'8e)", u"é"_s},
                      CharsetCase{128, R"(\'82\'a0)", u"あ"_s},
                      CharsetCase{129, R"(\'b0\'a1)", u"가"_s},
                      CharsetCase{134, R"(\'d6\'d0)", u"中"_s},
                      CharsetCase{136, R"(\'a4\'a4)", u"中"_s}, CharsetCase{161, R"(\'e1)", u"α"_s},
                      CharsetCase{162, R"(\'fe)", u"ş"_s}, CharsetCase{163, R"(\'d0)", u"Đ"_s},
                      CharsetCase{177, R"(\'e0)", u"א"_s}, CharsetCase{178, R"(\'c7)", u"ا"_s},
                      CharsetCase{186, R"(\'e0)", u"ą"_s}, CharsetCase{204, R"(\'c0)", u"А"_s},
                      CharsetCase{222, R"(\'a1)", u"ก"_s}, CharsetCase{238, R"(\'b9)", u"ą"_s}),
    [](const auto &info) { return "Charset" + std::to_string(info.param.charset); });

} // namespace
} // namespace tarvek::rtf
