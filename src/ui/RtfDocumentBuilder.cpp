#include "RtfDocumentBuilder.h"

#include "RtfFormats.h"
#include "RtfReader.h"

#include <QImage>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <QTextTable>
#include <QUrl>

#include <algorithm>
#include <array>

namespace tarvek::ui
{

namespace
{

// The lists open at each level while consecutive list items are read, so that
// an item after a deeper level continues its list and its numbering.
struct OpenList {
    QTextList *list = nullptr;
    rtf::ListKind kind = rtf::ListKind::None;
    int id = 0;
};

class Builder
{
public:
    Builder(const rtf::Document &source, QTextDocument &target)
        : m_source(source), m_target(target), m_formats(source), m_cursor(&target)
    {
    }

    void run();

private:
    void insertParagraph(const rtf::Paragraph &paragraph);
    void insertInlines(const rtf::Paragraph &paragraph);
    void insertPicture(int index, const rtf::CharFormat &format);
    void attachToList(const rtf::Paragraph &paragraph);
    void insertTable(const rtf::Table &table);
    void fillCell(const QTextTableCell &cell, const rtf::TableCell &content);

    const rtf::Document &m_source;
    QTextDocument &m_target;
    RtfFormats m_formats;
    QTextCursor m_cursor;
    bool m_blockUnused = true; // the cursor's block has received nothing yet
    std::array<OpenList, 9> m_lists{};
};

void Builder::run()
{
    // One edit block: the document's layout hears of the new content once.
    m_cursor.beginEditBlock();
    for (const rtf::Block &block : m_source.blocks) {
        if (const auto *paragraph = std::get_if<rtf::Paragraph>(&block)) {
            insertParagraph(*paragraph);
        } else {
            m_lists = {};
            insertTable(std::get<rtf::Table>(block));
        }
    }
    m_cursor.endEditBlock();
}

void Builder::insertParagraph(const rtf::Paragraph &paragraph)
{
    const QTextBlockFormat format = m_formats.blockFormat(paragraph.format);
    if (m_blockUnused)
        m_cursor.setBlockFormat(format);
    else
        m_cursor.insertBlock(format);
    m_blockUnused = false;
    if (!paragraph.inlines.isEmpty())
        m_cursor.setBlockCharFormat(m_formats.charFormat(paragraph.inlines.first().format));
    attachToList(paragraph);
    insertInlines(paragraph);
}

void Builder::insertInlines(const rtf::Paragraph &paragraph)
{
    for (const rtf::Inline &piece : paragraph.inlines) {
        if (piece.picture >= 0)
            insertPicture(piece.picture, piece.format);
        else
            m_cursor.insertText(piece.text, m_formats.charFormat(piece.format));
    }
}

void Builder::insertPicture(int index, const rtf::CharFormat &format)
{
    const rtf::Picture &picture = m_source.pictures.at(index);
    QImage image;
    if (!image.loadFromData(picture.data, picture.kind == rtf::Picture::Kind::Png ? "PNG" : "JPG"))
        return;
    const QString name = QStringLiteral("rtfimage:/%1").arg(index);
    m_target.addResource(QTextDocument::ImageResource, QUrl(name), image);
    QTextImageFormat imageFormat;
    imageFormat.merge(m_formats.charFormat(format));
    imageFormat.setName(name);
    const QSizeF size = RtfFormats::pictureSize(picture, image.size());
    imageFormat.setWidth(size.width());
    imageFormat.setHeight(size.height());
    m_cursor.insertImage(imageFormat);
}

void Builder::attachToList(const rtf::Paragraph &paragraph)
{
    const rtf::ParagraphFormat &format = paragraph.format;
    if (format.listKind == rtf::ListKind::None) {
        m_lists = {};
        return;
    }
    const int level = std::clamp(format.listLevel, 0, int(m_lists.size()) - 1);
    std::fill(m_lists.begin() + level + 1, m_lists.end(), OpenList{});
    OpenList &open = m_lists[level];
    if (open.list && open.kind == format.listKind && open.id == format.listId) {
        open.list->add(m_cursor.block());
        return;
    }
    open = OpenList{m_cursor.createList(RtfFormats::listFormat(paragraph)), format.listKind,
                    format.listId};
}

void Builder::insertTable(const rtf::Table &table)
{
    int columns = 0;
    for (const rtf::TableRow &row : table.rows)
        columns = std::max(columns, int(row.cells.size()));
    if (columns == 0 || table.rows.isEmpty())
        return;
    if (!m_blockUnused)
        m_cursor.insertBlock();
    QTextTable *textTable = m_cursor.insertTable(int(table.rows.size()), columns,
                                                 m_formats.tableFormat(table, columns));
    for (int r = 0; r < table.rows.size(); ++r) {
        const rtf::TableRow &row = table.rows[r];
        for (int c = 0; c < row.cells.size(); ++c)
            fillCell(textTable->cellAt(r, c), row.cells[c]);
    }
    m_cursor = QTextCursor(&m_target);
    m_cursor.movePosition(QTextCursor::End);
    m_blockUnused = true;
}

void Builder::fillCell(const QTextTableCell &cell, const rtf::TableCell &content)
{
    m_cursor = cell.firstCursorPosition();
    m_blockUnused = true;
    for (const rtf::Paragraph &paragraph : content.paragraphs)
        insertParagraph(paragraph);
    m_lists = {};
}

} // namespace

void buildTextDocument(const rtf::Document &source, QTextDocument &target)
{
    const bool undo = target.isUndoRedoEnabled();
    target.setUndoRedoEnabled(false);
    target.clear();
    Builder(source, target).run();
    target.setUndoRedoEnabled(undo);
}

void loadRtfIntoDocument(QByteArrayView rtf, QTextDocument &target)
{
    buildTextDocument(rtf::readRtf(rtf), target);
}

} // namespace tarvek::ui
