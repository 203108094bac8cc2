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
    : m_document(document), m_limits(limits)
{
}

bool DocumentAssembler::roomForInline(qsizetype characters)
{
    if (m_inlineCount >= m_limits.maxInlines ||
        m_textCount + characters > m_limits.maxTextCharacters) {
        m_document.report.sizeLimitReached = true;
        return false;
    }
    m_textCount += characters;
    return true;
}

void DocumentAssembler::appendText(QStringView text, const CharFormat &format)
{
    if (text.isEmpty())
        return;
    QList<Inline> &inlines = m_paragraph.inlines;
    if (!inlines.isEmpty() && inlines.last().picture < 0 && inlines.last().format == format) {
        if (roomForInline(text.size()))
            inlines.last().text.append(text);
        return;
    }
    if (!roomForInline(text.size()))
        return;
    ++m_inlineCount;
    inlines.append(Inline{text.toString(), format, -1});
}

void DocumentAssembler::appendPicture(int pictureIndex, const CharFormat &format)
{
    if (!roomForInline(0))
        return;
    ++m_inlineCount;
    m_paragraph.inlines.append(Inline{QString(), format, pictureIndex});
}

void DocumentAssembler::setListMarker(const QString &marker)
{
    m_paragraph.listMarker = marker.trimmed();
}

Paragraph DocumentAssembler::takeParagraph(const ParagraphFormat &format)
{
    Paragraph paragraph = std::move(m_paragraph);
    m_paragraph = Paragraph{};
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
    if (m_paragraphCount >= m_limits.maxParagraphs) {
        m_document.report.sizeLimitReached = true;
        return;
    }
    ++m_paragraphCount;
    if (format.inTable) {
        m_cell.paragraphs.append(std::move(paragraph));
        return;
    }
    if (!m_cell.paragraphs.isEmpty() || !m_row.cells.isEmpty())
        commitRow({}); // a row the writer never closed with \row
    m_tableOpen = false;
    m_document.blocks.append(std::move(paragraph));
}

void DocumentAssembler::endCell(const ParagraphFormat &format)
{
    ParagraphFormat inCell = format;
    inCell.inTable = true;
    endParagraph(inCell);
    m_row.cells.append(std::move(m_cell));
    m_cell = TableCell{};
}

void DocumentAssembler::endRow(const QList<int> &cellRightEdges)
{
    if (!m_paragraph.inlines.isEmpty()) {
        ParagraphFormat inCell;
        inCell.inTable = true;
        endCell(inCell); // text after the last \cell
    }
    commitRow(cellRightEdges);
}

void DocumentAssembler::commitRow(const QList<int> &cellRightEdges)
{
    if (!m_cell.paragraphs.isEmpty()) {
        m_row.cells.append(std::move(m_cell));
        m_cell = TableCell{};
    }
    m_row.cellRightEdges = cellRightEdges;
    TableRow row = std::move(m_row);
    m_row = TableRow{};
    if (row.cells.isEmpty())
        return;
    if (!m_tableOpen || m_document.blocks.isEmpty() ||
        !std::holds_alternative<Table>(m_document.blocks.last())) {
        m_document.blocks.append(Table{});
        m_tableOpen = true;
    }
    std::get<Table>(m_document.blocks.last()).rows.append(std::move(row));
}

void DocumentAssembler::finish(const ParagraphFormat &format)
{
    if (!m_paragraph.inlines.isEmpty() || !m_paragraph.listMarker.isEmpty())
        endParagraph(format);
    if (!m_cell.paragraphs.isEmpty() || !m_row.cells.isEmpty())
        commitRow({});
}

} // namespace tarvek::rtf
