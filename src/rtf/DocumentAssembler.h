#pragma once
// Collects the text, pictures and breaks the parser meets into paragraphs,
// list items and table rows of a Document, within the reader's limits.
#include "RtfDocument.h"
#include "RtfReader.h"

#include <QStringView>

namespace tarvek::rtf
{

class DocumentAssembler
{
public:
    DocumentAssembler(Document &document, const ReadLimits &limits);

    void appendText(QStringView text, const CharFormat &format);
    void appendPicture(int pictureIndex, const CharFormat &format);
    void setListMarker(const QString &marker);
    void endParagraph(const ParagraphFormat &format);
    void endCell(const ParagraphFormat &format);
    void endRow(const QList<int> &cellRightEdges);
    // Keeps what is still open when the input ends.
    void finish(const ParagraphFormat &format);

private:
    Paragraph takeParagraph(const ParagraphFormat &format);
    void commitRow(const QList<int> &cellRightEdges);
    bool roomForInline(qsizetype characters);

    Document &m_document;
    const ReadLimits &m_limits;
    Paragraph m_paragraph;
    TableCell m_cell;
    TableRow m_row;
    bool m_tableOpen = false;
    int m_paragraphCount = 0;
    int m_inlineCount = 0;
    qsizetype m_textCount = 0;
};

} // namespace tarvek::rtf
