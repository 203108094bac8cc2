// Damaged and hostile input: the reader must finish quickly, keep what it
// could read and stay within its memory limits.
#include "RtfTestSupport.h"

#include <gtest/gtest.h>

#include <random>
#include <regex>

namespace tarvek::rtf
{
namespace
{

using namespace tarvek::testing;
using namespace Qt::Literals::StringLiterals;

TEST(RtfRobustness, ExtraClosingBracesAreIgnored)
{
    const Document document = read(R"({\rtf1 a}}} b})");
    EXPECT_EQ(document.plainText(), u"a b"_s);
    EXPECT_EQ(document.report.unbalancedCloseBraces, 3);
}

TEST(RtfRobustness, UnclosedGroupsKeepTheirText)
{
    const Document document = read(R"({\rtf1 {\b bold)");
    ASSERT_EQ(document.blocks.size(), 1);
    EXPECT_EQ(paragraphAt(document, 0).plainText(), u"bold"_s);
    EXPECT_TRUE(paragraphAt(document, 0).inlines[0].format.bold);
    EXPECT_EQ(document.report.unclosedGroups, 2);
}

TEST(RtfRobustness, HundredThousandNestedGroups)
{
    constexpr int depth = 100'000;
    const std::string rtf =
        R"({\rtf1 )" + std::string(depth, '{') + "\\b x" + std::string(depth, '}') + " y}";
    const Document document = read(rtf);
    EXPECT_EQ(document.plainText(), u"x y"_s);
    EXPECT_TRUE(document.report.depthLimitReached);
    EXPECT_EQ(document.report.unbalancedCloseBraces, 0);
    EXPECT_EQ(document.report.unclosedGroups, 0);
}

// Whether the run holding `text` is bold and italic.
std::pair<bool, bool> BoldItalicOf(const Document &document, const QString &text)
{
    for (const Inline &run : paragraphAt(document, 0).inlines)
        if (run.text.contains(text))
            return {run.format.bold, run.format.italic};
    ADD_FAILURE() << "no run holds " << text.toStdString();
    return {};
}

// With a depth limit of 3 (the \rtf1 group is depth 1): a group exactly at
// the limit keeps its formatting to itself; only a deeper group is counted
// away, sharing the state of the group at the limit.
TEST(RtfRobustness, GroupAtTheDepthLimitKeepsItsFormattingToItself)
{
    ReadLimits limits;
    limits.maxGroupDepth = 3;
    const auto readLimited = [&limits](const std::string &rtf) {
        return readRtf(QByteArrayView(rtf.data(), qsizetype(rtf.size())), limits);
    };
    const Document atLimit = readLimited(R"({\rtf1 a{b{\b c}d}e})");
    EXPECT_EQ(atLimit.plainText(), u"abcde"_s);
    EXPECT_EQ(BoldItalicOf(atLimit, u"c"_s), std::pair(true, false));
    EXPECT_EQ(BoldItalicOf(atLimit, u"d"_s), std::pair(false, false));
    EXPECT_FALSE(atLimit.report.depthLimitReached);

    const Document deeper = readLimited(R"({\rtf1 {{\i {\b x}y}z}w})");
    EXPECT_EQ(deeper.plainText(), u"xyzw"_s);
    EXPECT_EQ(BoldItalicOf(deeper, u"x"_s), std::pair(true, true));
    EXPECT_EQ(BoldItalicOf(deeper, u"y"_s), std::pair(true, true)); // shared with depth 4
    EXPECT_EQ(BoldItalicOf(deeper, u"z"_s), std::pair(false, false));
    EXPECT_TRUE(deeper.report.depthLimitReached);
    EXPECT_EQ(deeper.report.unclosedGroups, 0);
}

TEST(RtfRobustness, HundredThousandUnclosedGroups)
{
    const Document document = read(R"({\rtf1 )" + std::string(100'000, '{') + "x");
    EXPECT_EQ(document.plainText(), u"x"_s);
    EXPECT_EQ(document.report.unclosedGroups, 100'001);
}

std::string hexPicture(const char *format, std::size_t hexDigits)
{
    std::string rtf = std::string(R"({\rtf1 before{\pict)") + format + " 89504e47";
    rtf.append(hexDigits, 'a');
    rtf += "}after}";
    return rtf;
}

TEST(RtfRobustness, FiftyMegabyteHexPictureIsDropped)
{
    for (const char *format : {"\\pngblip", "\\wmetafile8", ""}) {
        const Document document = read(hexPicture(format, 50u * 1024 * 1024));
        EXPECT_TRUE(document.pictures.isEmpty()) << format;
        EXPECT_EQ(document.report.droppedPictures, 1) << format;
        EXPECT_EQ(document.plainText(), u"beforeafter"_s) << format;
    }
}

TEST(RtfRobustness, PicturesStopAtTheTotalBudget)
{
    ReadLimits limits;
    limits.maxAllPictureBytes = 10;
    std::string rtf = R"({\rtf1 )";
    for (int i = 0; i < 3; ++i)
        rtf += R"({\pict\pngblip 89504e470d0a)"
               "}";
    rtf += "}";
    const Document document = readRtf(QByteArrayView(rtf.data(), qsizetype(rtf.size())), limits);
    EXPECT_EQ(document.pictures.size(), 1);
    EXPECT_EQ(document.report.droppedPictures, 2);
}

TEST(RtfRobustness, ParagraphAndTextCapsStopGrowth)
{
    ReadLimits limits;
    limits.maxParagraphs = 100;
    limits.maxTextCharacters = 1000;
    std::string rtf = R"({\rtf1 )";
    for (int i = 0; i < 10'000; ++i)
        rtf += "abc\\par ";
    const Document document = readRtf(QByteArrayView(rtf.data(), qsizetype(rtf.size())), limits);
    EXPECT_LE(document.blocks.size(), 100);
    EXPECT_LE(document.plainText().size(), 1000 + 100);
    EXPECT_TRUE(document.report.sizeLimitReached);
}

// Each count has its own small limit here, so that a limit passed to the
// wrong reader shows as a wrong count.
TEST(RtfRobustness, TableAndListLimitsHoldAtTheirOwnValues)
{
    ReadLimits limits;
    limits.maxFonts = 1;
    limits.maxColors = 2;
    limits.maxCellEdges = 3;
    limits.maxTabStops = 4;
    limits.maxListLevel = 5;
    limits.maxTwips = 250;
    const std::string rtf = R"({\rtf1{\fonttbl{\f0 A;}{\f1 B;}}{\colortbl;\red1;\red2;})"
                            R"(\trowd\cellx100\cellx200\cellx300\cellx400\intbl a\cell\row)"
                            R"(\pard\tx1\tx2\tx3\tx4\tx5\ilvl9 b\par{\*\pn\pnlvl9}c\par})";
    const Document document = readRtf(QByteArrayView(rtf.data(), qsizetype(rtf.size())), limits);
    EXPECT_EQ(document.fonts.size(), 1);
    EXPECT_EQ(document.colors.size(), 2);
    ASSERT_EQ(document.blocks.size(), 3);
    const Table &table = std::get<Table>(document.blocks.at(0));
    EXPECT_EQ(table.rows.at(0).cellRightEdges, QList<int>({100, 200, 250}));
    EXPECT_EQ(paragraphAt(document, 1).format.tabStops, QList<int>({1, 2, 3, 4}));
    EXPECT_EQ(paragraphAt(document, 1).format.listLevel, 5);
    EXPECT_EQ(paragraphAt(document, 2).format.listLevel, 5);
}

struct TruncatedCase {
    const char *name;
    std::string rtf;
    QString expected;
};

class Truncated : public ::testing::TestWithParam<TruncatedCase>
{
};

TEST_P(Truncated, KeepsTheTextBeforeTheCut)
{
    EXPECT_EQ(textOf(GetParam().rtf), GetParam().expected);
}

const TruncatedCase kTruncatedCases[] = {
    {"InControlWord", R"({\rtf1 abc\b)", u"abc"_s},
    {"InParameter", R"({\rtf1 abc\fs2)", u"abc"_s},
    {"AfterBackslash", "{\\rtf1 abc\\", u"abc"_s},
    {"InHexEscape", R"({\rtf1 abc\'e)", u"abc"_s},
    {"HexWithoutDigits", R"({\rtf1 abc\'\'zz)", u"abczz"_s},
    {"InUnicodeFallback", R"({\rtf1\uc4 abc\u8364??)", u"abc€"_s},
    {"BinaryLongerThanInput", R"({\rtf1 abc{\pict\pngblip\bin2147483647 xyz)", u"abc"_s},
    {"NegativeBinaryCount", R"({\rtf1 abc\bin-5 d})", u"abcd"_s},
    {"HugeParameters", R"({\rtf1\fs99999999999999\li-99999999999\u99999999999?a})", u"\uFFFDa"_s},
    {"LongControlWord", "{\\rtf1\\" + std::string(10'000, 'q') + " a}", u"a"_s},
};

INSTANTIATE_TEST_SUITE_P(Reader, Truncated, ::testing::ValuesIn(kTruncatedCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(RtfRobustness, EveryPrefixOfARichDocumentReads)
{
    const std::string rtf =
        R"({\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}{\f1\fcharset2 Symbol;}})"
        R"({\colortbl;\red255\green0\blue0;}\pard\qc\b Title\b0\par)"
        R"({\pntext\f1\'B7\tab}{\*\pn\pnlvlblt{\pntxtb\'B7}}\li720 item \u8364?\par)"
        R"(\trowd\cellx1000\intbl cell\cell\row{\pict\pngblip 89504e47}\par})";
    const QString whole = textOf(rtf);
    EXPECT_EQ(whole, u"Title\nitem €\ncell\n"_s);
    // A cut document reads as the start of the whole one: nothing is lost
    // before the cut, and nothing is made up.
    const std::regex inUnicodeNumber(R"(\\u\d*$)");
    for (std::size_t length = 0; length <= rtf.size(); ++length) {
        const std::string cut = rtf.substr(0, length);
        QString text = textOf(cut);
        if (std::regex_search(cut, inUnicodeNumber))
            text.chop(1); // a cut in \uN reads as one other character
        EXPECT_TRUE(whole.startsWith(text)) << length << ": " << text.toStdString();
    }
}

TEST(RtfRobustness, RandomBytesAreReadWithoutHarm)
{
    std::mt19937 random(2024);
    for (int run = 0; run < 200; ++run) {
        std::string bytes(std::size_t(random() % 20'000), '\0');
        for (char &byte : bytes)
            byte = static_cast<char>(random());
        if (run % 2 == 0) // bias half of the runs towards RTF syntax
            for (std::size_t i = 0; i < bytes.size(); i += 3)
                bytes[i] = "{}\\'bu0 "[random() % 8];
        const Document document = read(bytes);
        EXPECT_LE(document.plainText().size(), qsizetype(bytes.size()));
    }
}

} // namespace
} // namespace tarvek::rtf
