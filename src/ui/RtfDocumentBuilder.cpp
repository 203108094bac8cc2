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
        : source_(source), target_(target), formats_(source), cursor_(&target)
    {
    }

    void run();

private:
    void insertParagraph(const rtf::Paragraph &paragraph);
    void insertInlines(const rtf::Paragraph &paragraph);
    void insertPicture(int index, const rtf::CharFormat &format);
    void attachToList(const rtf::Paragraph &paragraph);
    void insertTable(const rtf::Table &table);
    void fillCell(QTextTableCell cell, const rtf::TableCell &content);

    const rtf::Document &source_;
    QTextDocument &target_;
    RtfFormats formats_;
    QTextCursor cursor_;
    bool blockUnused_ = true; // the cursor's block has received nothing yet
    std::array<OpenList, 9> lists_{};
};

void Builder::run()
{
    // One edit block: the document's layout hears of the new content once.
    cursor_.beginEditBlock();
    for (const rtf::Block &block : source_.blocks) {
        if (const auto *paragraph = std::get_if<rtf::Paragraph>(&block)) {
            insertParagraph(*paragraph);
        } else {
            lists_ = {};
            insertTable(std::get<rtf::Table>(block));
        }
    }
    cursor_.endEditBlock();
}

void Builder::insertParagraph(const rtf::Paragraph &paragraph)
{
    const QTextBlockFormat format = formats_.blockFormat(paragraph.format);
    if (blockUnused_)
        cursor_.setBlockFormat(format);
    else
        cursor_.insertBlock(format);
    blockUnused_ = false;
    if (!paragraph.inlines.isEmpty())
        cursor_.setBlockCharFormat(formats_.charFormat(paragraph.inlines.first().format));
    attachToList(paragraph);
    insertInlines(paragraph);
}

void Builder::insertInlines(const rtf::Paragraph &paragraph)
{
    for (const rtf::Inline &piece : paragraph.inlines) {
        if (piece.picture >= 0)
            insertPicture(piece.picture, piece.format);
        else
            cursor_.insertText(piece.text, formats_.charFormat(piece.format));
    }
}

void Builder::insertPicture(int index, const rtf::CharFormat &format)
{
    const rtf::Picture &picture = source_.pictures.at(index);
    QImage image;
    if (!image.loadFromData(picture.data, picture.kind == rtf::Picture::Kind::Png ? "PNG" : "JPG"))
        return;
    const QString name = QStringLiteral("rtfimage:/%1").arg(index);
    target_.addResource(QTextDocument::ImageResource, QUrl(name), image);
    QTextImageFormat imageFormat;
    imageFormat.merge(formats_.charFormat(format));
    imageFormat.setName(name);
    const QSizeF size = RtfFormats::pictureSize(picture, image.size());
    imageFormat.setWidth(size.width());
    imageFormat.setHeight(size.height());
    cursor_.insertImage(imageFormat);
}

void Builder::attachToList(const rtf::Paragraph &paragraph)
{
    const rtf::ParagraphFormat &format = paragraph.format;
    if (format.listKind == rtf::ListKind::None) {
        lists_ = {};
        return;
    }
    const int level = std::clamp(format.listLevel, 0, int(lists_.size()) - 1);
    std::fill(lists_.begin() + level + 1, lists_.end(), OpenList{});
    OpenList &open = lists_[level];
    if (open.list && open.kind == format.listKind && open.id == format.listId) {
        open.list->add(cursor_.block());
        return;
    }
    open = OpenList{cursor_.createList(RtfFormats::listFormat(paragraph)), format.listKind,
                    format.listId};
}

void Builder::insertTable(const rtf::Table &table)
{
    int columns = 0;
    for (const rtf::TableRow &row : table.rows)
        columns = std::max(columns, int(row.cells.size()));
    if (columns == 0 || table.rows.isEmpty())
        return;
    if (!blockUnused_)
        cursor_.insertBlock();
    QTextTable *textTable =
        cursor_.insertTable(int(table.rows.size()), columns, formats_.tableFormat(table, columns));
    for (int r = 0; r < table.rows.size(); ++r) {
        const rtf::TableRow &row = table.rows[r];
        for (int c = 0; c < row.cells.size(); ++c)
            fillCell(textTable->cellAt(r, c), row.cells[c]);
    }
    cursor_ = QTextCursor(&target_);
    cursor_.movePosition(QTextCursor::End);
    blockUnused_ = true;
}

void Builder::fillCell(QTextTableCell cell, const rtf::TableCell &content)
{
    cursor_ = cell.firstCursorPosition();
    blockUnused_ = true;
    for (const rtf::Paragraph &paragraph : content.paragraphs)
        insertParagraph(paragraph);
    lists_ = {};
}

} // namespace

void BuildTextDocument(const rtf::Document &source, QTextDocument &target)
{
    const bool undo = target.isUndoRedoEnabled();
    target.setUndoRedoEnabled(false);
    target.clear();
    Builder(source, target).run();
    target.setUndoRedoEnabled(undo);
}

void LoadRtfIntoDocument(QByteArrayView rtf, QTextDocument &target)
{
    BuildTextDocument(rtf::readRtf(rtf), target);
}

} // namespace tarvek::ui
