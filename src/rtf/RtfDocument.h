#pragma once
// The document model that the RTF reader produces: paragraphs made of runs of
// text with one character format each, simple tables, list items and pictures
// kept as encoded bytes. It carries no rendering type, so the reader stays a
// QtCore library; src/ui turns the model into a QTextDocument.
#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <string_view>
#include <variant>

namespace tarvek::rtf
{

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const Rgb &) const = default;
};

// One entry of the colour table; the entry written as a bare ";" means
// "automatic" (the reader's default colour).
struct ColorEntry {
    bool isAuto = true;
    Rgb rgb;
};

// The generic family a font table entry names, for substituting a font the
// system lacks.
enum class FontFamily { Unknown, Roman, Swiss, Modern, Script, Decorative, Technical };

struct FontEntry {
    int number = 0; // the N of \fN
    QString name;
    int charset = 0; // \fcharsetN
    FontFamily family = FontFamily::Unknown;
};

enum class Alignment { Left, Center, Right, Justify };
enum class VerticalPosition { Normal, Superscript, Subscript };
enum class ListKind { None, Bullet, Numbered };

struct CharFormat {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    VerticalPosition vertical = VerticalPosition::Normal;
    int font = -1;       // font number (\fN); -1 when none was given
    int halfPoints = 24; // \fs: size in half points
    int foreground = 0;  // index into the colour table; 0 is automatic
    int background = 0;  // highlight, index into the colour table; 0 is none
    bool operator==(const CharFormat &) const = default;
};

// Lengths are in twips (1/1440 inch) as the file gives them.
struct ParagraphFormat {
    Alignment alignment = Alignment::Left;
    int leftIndent = 0;
    int rightIndent = 0;
    int firstLineIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    int lineSpacing = 0;       // \sl: >0 at least, <0 exactly, 0 single
    bool lineMultiple = false; // \slmult1: lineSpacing is in 240ths of a line
    QList<int> tabStops;
    ListKind listKind = ListKind::None;
    int listLevel = 0;
    int listId = 0; // \lsN, or the WordPad numbering group; groups items into lists
    bool inTable = false;
    bool operator==(const ParagraphFormat &) const = default;
};

struct Picture {
    enum class Kind { Png, Jpeg };
    Kind kind = Kind::Png;
    QByteArray data;
    int widthTwips = 0; // displayed size; 0 when the file gives none
    int heightTwips = 0;
};

// A piece of a paragraph: text in one format, or a picture.
struct Inline {
    QString text;
    CharFormat format;
    int picture = -1; // index into Document::pictures when this is a picture
};

struct Paragraph {
    ParagraphFormat format;
    QString listMarker; // the marker text the writer put before a list item
    QList<Inline> inlines;
    QString plainText() const;
};

struct TableCell {
    QList<Paragraph> paragraphs;
};

struct TableRow {
    QList<TableCell> cells;
    QList<int> cellRightEdges; // \cellxN of the row, in twips
};

struct Table {
    QList<TableRow> rows;
};

using Block = std::variant<Paragraph, Table>;

// What the reader met but did not show, so that callers (and tests) can tell
// deliberate omissions from lost content.
struct ReadReport {
    QMap<QString, int> skippedDestinations; // name -> groups skipped; first names only
    QStringList unknownControlWords;        // distinct names, first few only
    int droppedPictures = 0;                // unsupported format or too large
    int hiddenCharacters = 0;               // text marked \v
    int unbalancedCloseBraces = 0;
    int unclosedGroups = 0;
    bool depthLimitReached = false;
    bool sizeLimitReached = false; // content beyond the model's caps was dropped

    // Counts a skipped group under its destination's name. Each list keeps
    // at most maxNames names, so that a damaged file cannot grow the report.
    void noteSkippedDestination(std::string_view word, int maxNames);
    void noteUnknownWord(std::string_view word, int maxNames);
};

struct Document {
    QList<FontEntry> fonts;
    QList<ColorEntry> colors;
    int defaultFont = 0; // \deffN
    int codePage = 1252;
    QList<Picture> pictures;
    QList<Block> blocks;
    ReadReport report;

    const FontEntry *findFont(int number) const;
    // Paragraph texts joined with "\n"; table cells separated by "\t".
    QString plainText() const;
};

} // namespace tarvek::rtf
