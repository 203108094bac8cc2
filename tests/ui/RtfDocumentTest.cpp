// RTF read into a QTextDocument: what the viewer shows for formats, lists,
// tables and pictures.
#include "RtfDocumentBuilder.h"

#include <QBuffer>
#include <QImage>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>
#include <gtest/gtest.h>

namespace tarvek::ui
{
namespace
{

QTextDocument *load(QTextDocument &document, const QByteArray &rtf)
{
    loadRtfIntoDocument(rtf, document);
    return &document;
}

QTextCharFormat formatAt(const QTextDocument &document, int position)
{
    QTextCursor cursor(const_cast<QTextDocument *>(&document));
    cursor.setPosition(position + 1);
    return cursor.charFormat();
}

TEST(RtfDocument, CharacterFormatsReachTheDocument)
{
    QTextDocument document;
    load(document,
         R"({\rtf1{\fonttbl{\f0\fswiss Arial;}{\f1\fmodern Courier New;}})"
         R"({\colortbl;\red200\green0\blue0;\red255\green255\blue0;})"
         R"(a\b b\b0\i c\i0\ul d\ulnone\strike e\strike0\cf1 f\cf0\highlight2 g\highlight0)"
         R"(\f1\fs36 h})");
    EXPECT_EQ(document.toPlainText(), QStringLiteral("abcdefgh"));
    EXPECT_EQ(formatAt(document, 0).fontWeight(), QFont::Normal);
    EXPECT_EQ(formatAt(document, 0).fontPointSize(), 12.0);
    EXPECT_EQ(formatAt(document, 1).fontWeight(), QFont::Bold);
    EXPECT_TRUE(formatAt(document, 2).fontItalic());
    EXPECT_TRUE(formatAt(document, 3).fontUnderline());
    EXPECT_TRUE(formatAt(document, 4).fontStrikeOut());
    EXPECT_EQ(formatAt(document, 5).foreground().color(), QColor(200, 0, 0));
    EXPECT_EQ(formatAt(document, 6).background().color(), QColor(255, 255, 0));
    EXPECT_FALSE(formatAt(document, 7).hasProperty(QTextFormat::ForegroundBrush));
    EXPECT_EQ(formatAt(document, 7).fontFamilies().toStringList(),
              QStringList{QStringLiteral("Courier New")});
    EXPECT_EQ(formatAt(document, 7).fontStyleHint(), QFont::Monospace);
    EXPECT_EQ(formatAt(document, 7).fontPointSize(), 18.0);
}

TEST(RtfDocument, ParagraphFormatsBecomeBlockFormats)
{
    QTextDocument document;
    load(document, R"({\rtf1\pard\qc\sb300\sa150 title\par\pard\li720\fi-360\qj body\par})");
    ASSERT_EQ(document.blockCount(), 2);
    const QTextBlockFormat title = document.firstBlock().blockFormat();
    EXPECT_EQ(title.alignment(), Qt::AlignHCenter);
    EXPECT_EQ(title.topMargin(), 20.0);
    EXPECT_EQ(title.bottomMargin(), 10.0);
    const QTextBlockFormat body = document.lastBlock().blockFormat();
    EXPECT_EQ(body.leftMargin(), 48.0);
    EXPECT_EQ(body.textIndent(), -24.0);
    EXPECT_EQ(body.alignment(), Qt::AlignJustify);
}

TEST(RtfDocument, ListItemsShareOneListPerLevel)
{
    QTextDocument document;
    load(document, R"({\rtf1{\listtext 1.\tab}\ls1 one\par{\listtext a)\tab}\ls1\ilvl1 sub\par)"
                   R"({\listtext 2.\tab}\ls1\ilvl0 two\par\pard{\pntext\'b7\tab})"
                   R"({\*\pn\pnlvlblt}dot\par\pard plain\par})");
    ASSERT_EQ(document.blockCount(), 5);
    QTextBlock block = document.firstBlock();
    QTextList *numbers = block.textList();
    ASSERT_NE(numbers, nullptr);
    EXPECT_EQ(numbers->format().style(), QTextListFormat::ListDecimal);
    block = block.next();
    ASSERT_NE(block.textList(), nullptr);
    EXPECT_EQ(block.textList()->format().style(), QTextListFormat::ListLowerAlpha);
    EXPECT_EQ(block.textList()->format().numberSuffix(), QStringLiteral(")"));
    EXPECT_EQ(block.textList()->format().indent(), 2);
    block = block.next();
    EXPECT_EQ(block.textList(), numbers);
    EXPECT_EQ(numbers->itemText(block), QStringLiteral("2."));
    block = block.next();
    ASSERT_NE(block.textList(), nullptr);
    EXPECT_EQ(block.textList()->format().style(), QTextListFormat::ListDisc);
    EXPECT_EQ(block.text(), QStringLiteral("dot"));
    EXPECT_EQ(block.next().textList(), nullptr);
}

TEST(RtfDocument, TableBecomesATextTable)
{
    QTextDocument document;
    load(document, R"({\rtf1 before\par\trowd\cellx1500\cellx4500\intbl A\cell B\cell\row)"
                   R"(\trowd\cellx1500\cellx4500\intbl C\cell\row\pard after\par})");
    QTextTable *table = nullptr;
    for (QTextFrame *frame : document.rootFrame()->childFrames())
        table = table ? table : qobject_cast<QTextTable *>(frame);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rows(), 2);
    EXPECT_EQ(table->columns(), 2);
    auto cellText = [&](int row, int column) {
        QTextCursor cursor = table->cellAt(row, column).firstCursorPosition();
        cursor.setPosition(table->cellAt(row, column).lastPosition(), QTextCursor::KeepAnchor);
        return cursor.selectedText();
    };
    EXPECT_EQ(cellText(0, 0), QStringLiteral("A"));
    EXPECT_EQ(cellText(0, 1), QStringLiteral("B"));
    EXPECT_EQ(cellText(1, 0), QStringLiteral("C"));
    EXPECT_EQ(cellText(1, 1), QString());
    const QList<QTextLength> widths = table->format().columnWidthConstraints();
    ASSERT_EQ(widths.size(), 2);
    // 1500 and 3000 of a 4500-twip row; the row is 4500 / 9360 of a page.
    EXPECT_EQ(widths[0].type(), QTextLength::PercentageLength);
    EXPECT_NEAR(widths[0].rawValue(), 100.0 / 3, 1e-9);
    EXPECT_NEAR(widths[1].rawValue(), 200.0 / 3, 1e-9);
    EXPECT_NEAR(table->format().width().rawValue(), 100.0 * 4500 / 9360, 1e-9);
    EXPECT_TRUE(document.toPlainText().startsWith(QStringLiteral("before")));
    EXPECT_TRUE(document.toPlainText().endsWith(QStringLiteral("after")));
}

QByteArray pngHex(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png.toHex();
}

TEST(RtfDocument, PngPictureIsShownAtItsGoalSize)
{
    QTextDocument document;
    load(document, R"({\rtf1 a{\pict\pngblip\picwgoal600\pichgoal300 )" + pngHex(QSize(8, 4)) +
                       R"(}b{\pict\pngblip 00ff}c})");
    const QString text = document.toPlainText();
    EXPECT_EQ(text, QStringLiteral("a") + QChar(QChar::ObjectReplacementCharacter) +
                        QStringLiteral("bc"));
    const QTextCharFormat format = formatAt(document, 1);
    ASSERT_TRUE(format.isImageFormat());
    const QTextImageFormat image = format.toImageFormat();
    EXPECT_EQ(image.width(), 40.0);
    EXPECT_EQ(image.height(), 20.0);
    const QVariant resource = document.resource(QTextDocument::ImageResource, QUrl(image.name()));
    EXPECT_EQ(resource.value<QImage>().size(), QSize(8, 4));
}

TEST(RtfDocument, LoadingReplacesTheContent)
{
    QTextDocument document;
    load(document, "{\\rtf1 first\\par second}");
    load(document, "{\\rtf1 third}");
    EXPECT_EQ(document.toPlainText(), QStringLiteral("third"));
    load(document, QByteArray());
    EXPECT_TRUE(document.isEmpty());
}

} // namespace
} // namespace tarvek::ui
