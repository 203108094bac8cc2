#include "DocumentAssembler.h"

namespace tarvek::rtf
{

namespace
{

// "1.", "a)", "(iv)", "12" mark a numbered item; anything else (•, -, ·, a
// symbol-font character) a bullet.
bool looksNumbered(const QString &marker)
{
    bool hasAlphanumeric = false;
    for (const QChar c : marker) {
        if (c.isLetterOrNumber())
            hasAlphanumeric = true;
        else if (c != u'.' && c != u')' && c != u'(')
            return false;
    }
    return hasAlphanumeric;
}

} // namespace

DocumentAssembler::DocumentAssembler(Document &document, const ReadLimits &limits)
    : document_(document), limits_(limits)
{
}

bool DocumentAssembler::roomForInline(qsizetype characters)
{
    if (inlineCount_ >= limits_.maxInlines || textCount_ + characters > limits_.maxTextCharacters) {
        document_.report.sizeLimitReached = true;
        return false;
    }
    textCount_ += characters;
    return true;
}

void DocumentAssembler::appendText(QStringView text, const CharFormat &format)
{
    if (text.isEmpty())
        return;
    QList<Inline> &inlines = paragraph_.inlines;
    if (!inlines.isEmpty() && inlines.last().picture < 0 && inlines.last().format == format) {
        if (roomForInline(text.size()))
            inlines.last().text.append(text);
        return;
    }
    if (!roomForInline(text.size()))
        return;
    ++inlineCount_;
    inlines.append(Inline{text.toString(), format, -1});
}

void DocumentAssembler::appendPicture(int pictureIndex, const CharFormat &format)
{
    if (!roomForInline(0))
        return;
    ++inlineCount_;
    paragraph_.inlines.append(Inline{QString(), format, pictureIndex});
}

void DocumentAssembler::setListMarker(const QString &marker)
{
    paragraph_.listMarker = marker.trimmed();
}

Paragraph DocumentAssembler::takeParagraph(const ParagraphFormat &format)
{
    Paragraph paragraph = std::move(paragraph_);
    paragraph_ = Paragraph{};
    paragraph.format = format;
    const bool isListItem = !paragraph.listMarker.isEmpty() || format.listId > 0;
    if (paragraph.format.listKind == ListKind::None && isListItem)
        paragraph.format.listKind =
            looksNumbered(paragraph.listMarker) ? ListKind::Numbered : ListKind::Bullet;
    return paragraph;
}

void DocumentAssembler::endParagraph(const ParagraphFormat &format)
{
    Paragraph paragraph = takeParagraph(format);
    if (paragraphCount_ >= limits_.maxParagraphs) {
        document_.report.sizeLimitReached = true;
        return;
    }
    ++paragraphCount_;
    if (format.inTable) {
        cell_.paragraphs.append(std::move(paragraph));
        return;
    }
    if (!cell_.paragraphs.isEmpty() || !row_.cells.isEmpty())
        commitRow({}); // a row the writer never closed with \row
    tableOpen_ = false;
    document_.blocks.append(std::move(paragraph));
}

void DocumentAssembler::endCell(const ParagraphFormat &format)
{
    ParagraphFormat inCell = format;
    inCell.inTable = true;
    endParagraph(inCell);
    row_.cells.append(std::move(cell_));
    cell_ = TableCell{};
}

void DocumentAssembler::endRow(const QList<int> &cellRightEdges)
{
    if (!paragraph_.inlines.isEmpty()) {
        ParagraphFormat inCell;
        inCell.inTable = true;
        endCell(inCell); // text after the last \cell
    }
    commitRow(cellRightEdges);
}

void DocumentAssembler::commitRow(const QList<int> &cellRightEdges)
{
    if (!cell_.paragraphs.isEmpty()) {
        row_.cells.append(std::move(cell_));
        cell_ = TableCell{};
    }
    row_.cellRightEdges = cellRightEdges;
    TableRow row = std::move(row_);
    row_ = TableRow{};
    if (row.cells.isEmpty())
        return;
    if (!tableOpen_ || document_.blocks.isEmpty() ||
        !std::holds_alternative<Table>(document_.blocks.last())) {
        document_.blocks.append(Table{});
        tableOpen_ = true;
    }
    std::get<Table>(document_.blocks.last()).rows.append(std::move(row));
}

void DocumentAssembler::finish(const ParagraphFormat &format)
{
    if (!paragraph_.inlines.isEmpty() || !paragraph_.listMarker.isEmpty())
        endParagraph(format);
    if (!cell_.paragraphs.isEmpty() || !row_.cells.isEmpty())
        commitRow({});
}

} // namespace tarvek::rtf
