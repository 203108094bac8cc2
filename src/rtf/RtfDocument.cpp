#include "RtfDocument.h"

namespace tarvek::rtf
{

QString Paragraph::plainText() const
{
    QString text;
    for (const Inline &piece : inlines)
        text += piece.text;
    return text;
}

void ReadReport::noteSkippedDestination(std::string_view word, int maxNames)
{
    QMap<QString, int> &skipped = skippedDestinations;
    const QString name = QString::fromLatin1(word.data(), qsizetype(word.size()));
    if (skipped.contains(name) || skipped.size() < maxNames)
        ++skipped[name];
}

void ReadReport::noteUnknownWord(std::string_view word, int maxNames)
{
    QStringList &unknown = unknownControlWords;
    const QString name = QString::fromLatin1(word.data(), qsizetype(word.size()));
    if (unknown.size() < maxNames && !unknown.contains(name))
        unknown.append(name);
}

const FontEntry *Document::findFont(int number) const
{
    for (const FontEntry &font : fonts) {
        if (font.number == number)
            return &font;
    }
    return nullptr;
}

namespace
{

QString tableText(const Table &table)
{
    QStringList rows;
    for (const TableRow &row : table.rows) {
        QStringList cells;
        for (const TableCell &cell : row.cells) {
            QStringList paragraphs;
            for (const Paragraph &paragraph : cell.paragraphs)
                paragraphs << paragraph.plainText();
            cells << paragraphs.join(u' ');
        }
        rows << cells.join(u'\t');
    }
    return rows.join(u'\n');
}

} // namespace

QString Document::plainText() const
{
    QStringList lines;
    for (const Block &block : blocks) {
        if (const auto *paragraph = std::get_if<Paragraph>(&block))
            lines << paragraph->plainText();
        else
            lines << tableText(std::get<Table>(block));
    }
    return lines.join(u'\n');
}

} // namespace tarvek::rtf
