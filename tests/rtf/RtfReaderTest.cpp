// The document structure the reader builds from small documents: runs and
// their formats, paragraph formats, tables, lists, pictures and the groups it
// deliberately leaves out.
#include "RtfTestSupport.h"

#include <gtest/gtest.h>

namespace tarvek::rtf
{
namespace
{

using namespace tarvek::testing;
using namespace Qt::Literals::StringLiterals;

TEST(RtfReader, BoldRunsSplitTheParagraph)
{
    const Document document = read(R"({\rtf1\ansi Plain \b bold\b0  after {\b again}\par})");
    ASSERT_EQ(document.blocks.size(), 1);
    const Paragraph &paragraph = paragraphAt(document, 0);
    ASSERT_EQ(paragraph.inlines.size(), 4);
    EXPECT_EQ(paragraph.inlines[0].text, u"Plain "_s);
    EXPECT_FALSE(paragraph.inlines[0].format.bold);
    EXPECT_EQ(paragraph.inlines[1].text, u"bold"_s);
    EXPECT_TRUE(paragraph.inlines[1].format.bold);
    EXPECT_EQ(paragraph.inlines[2].text, u" after "_s);
    EXPECT_FALSE(paragraph.inlines[2].format.bold);
    EXPECT_EQ(paragraph.inlines[3].text, u"again"_s);
    EXPECT_TRUE(paragraph.inlines[3].format.bold);
}

TEST(RtfReader, CharacterFormatsAndTheirResets)
{
    const Document document = read(
        R"({\rtf1{\fonttbl{\f0\fswiss Arial;}{\f1\fmodern\fcharset0 Courier New;}}{\colortbl;\red255\green0\blue0;\red0\green0\blue255;})"
        R"(\f1\fs28\i\ul\strike\cf1\highlight2 a\plain b\super c\nosupersub\ul0 d})");
    const Paragraph &paragraph = paragraphAt(document, 0);
    ASSERT_EQ(paragraph.inlines.size(), 4);
    const CharFormat &a = paragraph.inlines[0].format;
    EXPECT_TRUE(a.italic && a.underline && a.strike);
    EXPECT_EQ(a.font, 1);
    EXPECT_EQ(a.halfPoints, 28);
    EXPECT_EQ(a.foreground, 1);
    EXPECT_EQ(a.background, 2);
    EXPECT_EQ(paragraph.inlines[1].format, CharFormat{});
    EXPECT_EQ(paragraph.inlines[2].format.vertical, VerticalPosition::Superscript);
    EXPECT_EQ(paragraph.inlines[3].format.vertical, VerticalPosition::Normal);

    ASSERT_EQ(document.fonts.size(), 2);
    EXPECT_EQ(document.findFont(1)->name, u"Courier New"_s);
    EXPECT_EQ(document.findFont(1)->family, FontFamily::Modern);
    EXPECT_EQ(document.findFont(0)->family, FontFamily::Swiss);
    ASSERT_EQ(document.colors.size(), 3);
    EXPECT_TRUE(document.colors[0].isAuto);
    EXPECT_EQ(document.colors[1].rgb, (Rgb{255, 0, 0}));
    EXPECT_EQ(document.colors[2].rgb, (Rgb{0, 0, 255}));
}

TEST(RtfReader, ParagraphFormatAppliesAtTheParagraphEnd)
{
    const Document document =
        read(R"({\rtf1\pard\qc\li720\ri360\fi-360\sb120\sa240\sl360\slmult1\tx1440 one\par)"
             R"(\pard two\par})");
    ASSERT_EQ(document.blocks.size(), 2);
    const ParagraphFormat &first = paragraphAt(document, 0).format;
    EXPECT_EQ(first.alignment, Alignment::Center);
    EXPECT_EQ(first.leftIndent, 720);
    EXPECT_EQ(first.rightIndent, 360);
    EXPECT_EQ(first.firstLineIndent, -360);
    EXPECT_EQ(first.spaceBefore, 120);
    EXPECT_EQ(first.spaceAfter, 240);
    EXPECT_EQ(first.lineSpacing, 360);
    EXPECT_TRUE(first.lineMultiple);
    EXPECT_EQ(first.tabStops, QList<int>{1440});
    EXPECT_EQ(paragraphAt(document, 1).format, ParagraphFormat{});
}

TEST(RtfReader, TableRowsBecomeOneTable)
{
    const Document document =
        read(R"({\rtf1\trowd\cellx1000\cellx2500\pard\intbl A\cell B\cell\row)"
             R"(\trowd\cellx1000\cellx2500\pard\intbl C\cell D1\par D2\cell\row\pard After\par})");
    ASSERT_EQ(document.blocks.size(), 2);
    const Table &table = std::get<Table>(document.blocks[0]);
    ASSERT_EQ(table.rows.size(), 2);
    EXPECT_EQ(table.rows[0].cellRightEdges, (QList<int>{1000, 2500}));
    ASSERT_EQ(table.rows[0].cells.size(), 2);
    EXPECT_EQ(table.rows[0].cells[0].paragraphs[0].plainText(), u"A"_s);
    EXPECT_EQ(table.rows[0].cells[1].paragraphs[0].plainText(), u"B"_s);
    ASSERT_EQ(table.rows[1].cells[1].paragraphs.size(), 2);
    EXPECT_EQ(table.rows[1].cells[1].paragraphs[1].plainText(), u"D2"_s);
    EXPECT_EQ(paragraphAt(document, 1).plainText(), u"After"_s);
}

TEST(RtfReader, ParagraphBetweenRowsSplitsTables)
{
    const Document document = read(
        R"({\rtf1\trowd\cellx1000\intbl A\cell\row\pard gap\par\trowd\cellx1000\intbl B\cell\row})");
    ASSERT_EQ(document.blocks.size(), 3);
    EXPECT_TRUE(std::holds_alternative<Table>(document.blocks[0]));
    EXPECT_TRUE(std::holds_alternative<Table>(document.blocks[2]));
}

struct ListCase {
    const char *name;
    std::string rtf;
    ListKind kind;
    QString marker;
    int level;
};

class ListItems : public ::testing::TestWithParam<ListCase>
{
};

TEST_P(ListItems, MarkerKindAndText)
{
    const Document document = read(GetParam().rtf);
    ASSERT_EQ(document.blocks.size(), 3);
    for (int i = 0; i < 2; ++i) {
        const Paragraph &item = paragraphAt(document, i);
        EXPECT_EQ(item.format.listKind, GetParam().kind) << i;
        EXPECT_EQ(item.format.listLevel, GetParam().level) << i;
        EXPECT_EQ(item.plainText(), i == 0 ? u"one"_s : u"two"_s);
    }
    EXPECT_EQ(paragraphAt(document, 0).listMarker, GetParam().marker);
    EXPECT_EQ(paragraphAt(document, 2).format.listKind, ListKind::None);
}

const ListCase kListCases[] = {
    {"WordPadBullets",
     R"({\rtf1{\fonttbl{\f0 Calibri;}{\f1\fcharset2 Symbol;}})"
     R"(\pard{\pntext\f1\'B7\tab}{\*\pn\pnlvlblt\pnf1\pnindent0{\pntxtb\'B7}}\fi-360\li720 one\par)"
     R"({\pntext\f1\'B7\tab}two\par\pard after\par})",
     ListKind::Bullet, u"•"_s, 0},
    {"WordPadNumbers",
     R"({\rtf1\pard{\pntext\f0 1.\tab}{\*\pn\pnlvlbody\pnf0\pnindent0\pnstart1\pndec{\pntxta.}})"
     R"(\fi-360\li720 one\par{\pntext\f0 2.\tab}two\par\pard after\par})",
     ListKind::Numbered, u"1."_s, 0},
    {"LibreOfficeBullets",
     R"({\rtf1{\*\listtable{\list{\listlevel\levelnfc23{\leveltext \'01\u8226 ?;}}\listid1}})"
     R"({\listoverridetable{\listoverride\listid1\ls1}})"
     R"({\listtext\pard\plain \u8226\'95\tab}\ilvl0\ls1\li720\fi-360 one\par)"
     R"({\listtext\pard\plain \u8226\'95\tab}\ilvl0\ls1\li720\fi-360 two\par\pard after\par})",
     ListKind::Bullet, u"•"_s, 0},
    {"LibreOfficeNumbersSecondLevel",
     R"({\rtf1{\listtext\pard\plain a)\tab}\ilvl1\ls2\li1440\fi-360 one\par)"
     R"({\listtext\pard\plain b)\tab}\ilvl1\ls2\li1440\fi-360 two\par\pard after\par})",
     ListKind::Numbered, u"a)"_s, 1},
};

INSTANTIATE_TEST_SUITE_P(Reader, ListItems, ::testing::ValuesIn(kListCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(RtfReader, SkippedDestinationsLeaveNoTextAndAreReported)
{
    const Document document =
        read(R"({\rtf1{\*\generator Riched20;}{\info{\title T}{\author W}}{\header H}{\footer F})"
             R"({\stylesheet{\s0 Normal;}}{\*\mystery X}{\footnote N}Body)"
             R"({\field{\*\fldinst HYPERLINK "x"}{\fldrslt  link}}\par})");
    EXPECT_EQ(document.plainText(), u"Body link"_s);
    const QMap<QString, int> &skipped = document.report.skippedDestinations;
    for (const char *name :
         {"generator", "info", "header", "footer", "stylesheet", "mystery", "footnote", "fldinst"})
        EXPECT_EQ(skipped.value(QString::fromLatin1(name)), 1) << name;
}

TEST(RtfReader, UnknownWordsAreIgnoredAndNoted)
{
    const Document document = read(R"({\rtf1\frobnicate5 a{\wibble b}\par})");
    EXPECT_EQ(document.plainText(), u"ab"_s);
    EXPECT_EQ(document.report.unknownControlWords, (QStringList{u"frobnicate"_s, u"wibble"_s}));
}

TEST(RtfReader, HiddenTextIsDroppedAndCounted)
{
    const Document document = read(R"({\rtf1 shown\v hidden\v0  too})");
    EXPECT_EQ(document.plainText(), u"shown too"_s);
    EXPECT_EQ(document.report.hiddenCharacters, 6);
}

// A 1x1 PNG, as a word processor would embed it.
const char kPngHex[] = "89504e470d0a1a0a0000000d4948445200000001000000010806000000"
                       "1f15c4890000000d4944415478da63f8cfc0f01f0005000201a25e4c"
                       "3a0000000049454e44ae426082";

TEST(RtfReader, PngPictureIsKeptWithItsSize)
{
    const Document document = read(std::string(R"({\rtf1 a{\pict\pngblip\picw1\pich1)") +
                                   R"(\picwgoal300\pichgoal150\picscalex200 )" + kPngHex + "}b}");
    ASSERT_EQ(document.pictures.size(), 1);
    EXPECT_EQ(document.pictures[0].kind, Picture::Kind::Png);
    EXPECT_EQ(document.pictures[0].data, QByteArray::fromHex(kPngHex));
    EXPECT_EQ(document.pictures[0].widthTwips, 600);
    EXPECT_EQ(document.pictures[0].heightTwips, 150);
    const Paragraph &paragraph = paragraphAt(document, 0);
    ASSERT_EQ(paragraph.inlines.size(), 3);
    EXPECT_EQ(paragraph.inlines[1].picture, 0);
}

TEST(RtfReader, WordPictureAlternativesKeepOnlyThePng)
{
    const Document document = read(std::string(R"({\rtf1{\*\shppict{\pict\pngblip )") + kPngHex +
                                   R"(}}{\nonshppict{\pict\wmetafile8 0102}}x})");
    ASSERT_EQ(document.pictures.size(), 1);
    EXPECT_EQ(document.report.droppedPictures, 0);
    EXPECT_EQ(document.plainText(), u"x"_s);
}

TEST(RtfReader, OtherPictureFormatsAreDropped)
{
    const Document document = read(R"({\rtf1 a{\pict\wmetafile8 0102030405}b{\pict\emfblip 01}})");
    EXPECT_TRUE(document.pictures.isEmpty());
    EXPECT_EQ(document.report.droppedPictures, 2);
    EXPECT_EQ(document.plainText(), u"ab"_s);
}

TEST(RtfReader, BinaryPictureDataAndJpeg)
{
    const std::string rtf =
        std::string("{\\rtf1{\\pict\\jpegblip\\bin4 ") + "\xFF\xD8\xFF\xE0" + "}}";
    const Document document = read(rtf);
    ASSERT_EQ(document.pictures.size(), 1);
    EXPECT_EQ(document.pictures[0].kind, Picture::Kind::Jpeg);
    EXPECT_EQ(document.pictures[0].data, QByteArray("\xFF\xD8\xFF\xE0", 4));
}

TEST(RtfReader, BinaryDataOutsidePicturesIsNotText)
{
    EXPECT_EQ(textOf("{\\rtf1 a{\\*\\blob\\bin3 {}\\}b}"), u"ab"_s);
    EXPECT_EQ(textOf("{\\rtf1 a\\bin3 x}yb}"), u"ab"_s);
}

} // namespace
} // namespace tarvek::rtf
