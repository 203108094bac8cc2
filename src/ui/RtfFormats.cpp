#include "RtfFormats.h"

#include "TableWidths.h"
#include "Twips.h"

#include <QFont>
#include <QTextOption>

#include <algorithm>

namespace tarvek::ui
{

namespace
{

QFont::StyleHint styleHint(rtf::FontFamily family)
{
    switch (family) {
    case rtf::FontFamily::Roman:
        return QFont::Serif;
    case rtf::FontFamily::Swiss:
        return QFont::SansSerif;
    case rtf::FontFamily::Modern:
        return QFont::Monospace;
    case rtf::FontFamily::Script:
        return QFont::Cursive;
    case rtf::FontFamily::Decorative:
        return QFont::Decorative;
    default:
        return QFont::AnyStyle;
    }
}

Qt::Alignment alignment(rtf::Alignment value)
{
    switch (value) {
    case rtf::Alignment::Center:
        return Qt::AlignHCenter;
    case rtf::Alignment::Right:
        return Qt::AlignRight;
    case rtf::Alignment::Justify:
        return Qt::AlignJustify;
    default:
        return Qt::AlignLeft;
    }
}

void setLineSpacing(QTextBlockFormat &block, const rtf::ParagraphFormat &format)
{
    if (format.lineSpacing == 0)
        return;
    if (format.lineMultiple && format.lineSpacing > 0)
        block.setLineHeight(format.lineSpacing * 100.0 / 240.0,
                            QTextBlockFormat::ProportionalHeight);
    else if (format.lineSpacing > 0)
        block.setLineHeight(twipsToDocumentPixels(format.lineSpacing),
                            QTextBlockFormat::MinimumHeight);
    else
        block.setLineHeight(twipsToDocumentPixels(-format.lineSpacing),
                            QTextBlockFormat::FixedHeight);
}

QTextListFormat::Style numberStyle(QChar first)
{
    if (first.isLower())
        return QTextListFormat::ListLowerAlpha;
    if (first.isUpper())
        return QTextListFormat::ListUpperAlpha;
    return QTextListFormat::ListDecimal;
}

} // namespace

RtfFormats::RtfFormats(const rtf::Document &document) : m_document(document)
{
}

const QTextCharFormat &RtfFormats::charFormat(const rtf::CharFormat &format)
{
    if (m_lastHit < m_cache.size() && m_cache[m_lastHit].first == format)
        return m_cache[m_lastHit].second;
    const auto found = std::find_if(m_cache.begin(), m_cache.end(),
                                    [&](const auto &entry) { return entry.first == format; });
    if (found != m_cache.end()) {
        m_lastHit = std::size_t(found - m_cache.begin());
        return found->second;
    }
    m_cache.emplace_back(format, makeCharFormat(format));
    m_lastHit = m_cache.size() - 1;
    return m_cache.back().second;
}

QTextCharFormat RtfFormats::makeCharFormat(const rtf::CharFormat &format) const
{
    QTextCharFormat result;
    const int fontNumber = format.font >= 0 ? format.font : m_document.defaultFont;
    if (const rtf::FontEntry *font = m_document.findFont(fontNumber)) {
        if (!font->name.isEmpty())
            result.setFontFamilies(QStringList{font->name});
        result.setFontStyleHint(styleHint(font->family));
    }
    result.setFontPointSize(std::max(1, format.halfPoints) / 2.0);
    result.setFontWeight(format.bold ? QFont::Bold : QFont::Normal);
    result.setFontItalic(format.italic);
    result.setFontUnderline(format.underline);
    result.setFontStrikeOut(format.strike);
    if (format.vertical == rtf::VerticalPosition::Superscript)
        result.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    else if (format.vertical == rtf::VerticalPosition::Subscript)
        result.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    if (const QColor foreground = color(format.foreground); foreground.isValid())
        result.setForeground(foreground);
    if (const QColor background = color(format.background); background.isValid())
        result.setBackground(background);
    return result;
}

QColor RtfFormats::color(int index) const
{
    if (index <= 0 || index >= m_document.colors.size() || m_document.colors[index].isAuto)
        return QColor();
    const rtf::Rgb &rgb = m_document.colors[index].rgb;
    return QColor(rgb.red, rgb.green, rgb.blue);
}

QTextBlockFormat RtfFormats::blockFormat(const rtf::ParagraphFormat &format) const
{
    QTextBlockFormat block;
    block.setAlignment(alignment(format.alignment));
    block.setTopMargin(twipsToDocumentPixels(format.spaceBefore));
    block.setBottomMargin(twipsToDocumentPixels(format.spaceAfter));
    block.setRightMargin(twipsToDocumentPixels(std::max(format.rightIndent, 0)));
    // A list item's indent and hanging marker come from its QTextList.
    if (format.listKind == rtf::ListKind::None) {
        block.setLeftMargin(twipsToDocumentPixels(std::max(format.leftIndent, 0)));
        block.setTextIndent(twipsToDocumentPixels(format.firstLineIndent));
    }
    setLineSpacing(block, format);
    QList<QTextOption::Tab> tabs;
    for (const int position : format.tabStops)
        tabs.append(QTextOption::Tab(twipsToDocumentPixels(position), QTextOption::LeftTab));
    if (!tabs.isEmpty())
        block.setTabPositions(tabs);
    return block;
}

QTextListFormat RtfFormats::listFormat(const rtf::Paragraph &paragraph)
{
    QTextListFormat list;
    list.setIndent(paragraph.format.listLevel + 1);
    if (paragraph.format.listKind == rtf::ListKind::Bullet) {
        static const QTextListFormat::Style kBullets[] = {
            QTextListFormat::ListDisc, QTextListFormat::ListCircle, QTextListFormat::ListSquare};
        list.setStyle(kBullets[paragraph.format.listLevel % 3]);
        return list;
    }
    const QString &marker = paragraph.listMarker;
    list.setStyle(marker.isEmpty() ? QTextListFormat::ListDecimal : numberStyle(marker.front()));
    if (marker.endsWith(u')'))
        list.setNumberSuffix(QStringLiteral(")"));
    return list;
}

QTextTableFormat RtfFormats::tableFormat(const rtf::Table &table, int columns) const
{
    QTextTableFormat format;
    format.setBorder(1);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setBorderCollapse(true);
    format.setCellSpacing(0);
    format.setCellPadding(4);
    if (const std::optional<rtf::TableWidths> widths = rtf::tableWidths(table, columns)) {
        format.setWidth(QTextLength(QTextLength::PercentageLength, widths->tablePercent));
        QList<QTextLength> lengths;
        for (const double percent : widths->columnPercents)
            lengths.append(QTextLength(QTextLength::PercentageLength, percent));
        format.setColumnWidthConstraints(lengths);
    }
    return format;
}

QSizeF RtfFormats::pictureSize(const rtf::Picture &picture, QSize natural)
{
    if (picture.widthTwips <= 0 || picture.heightTwips <= 0)
        return QSizeF(natural);
    return QSizeF(twipsToDocumentPixels(picture.widthTwips),
                  twipsToDocumentPixels(picture.heightTwips));
}

} // namespace tarvek::ui
