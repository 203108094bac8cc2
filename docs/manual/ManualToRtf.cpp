// Turns the manual's source, a small Markdown subset in UTF-8, into the RTF
// file the help viewer shows. Understood: "#", "##", "###" headings; blank-line
// separated paragraphs; "> " notes; "- " bullet and "1. " numbered items;
// "|" tables whose second line is the "|---|" separator; **bold**, *italic*,
// `code` and backslash escapes inside text.
//
// Usage: tarvek_manual_rtf SOURCE.md OUTPUT.rtf
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace
{

enum class Kind { Heading1, Heading2, Heading3, Paragraph, Note, Bullet, Numbered, Table };

struct Block {
    Kind kind;
    std::string text;                           // all but tables
    std::vector<std::vector<std::string>> rows; // tables; the first row is the header
};

bool startsWith(const std::string &line, const std::string &prefix)
{
    return line.compare(0, prefix.size(), prefix) == 0;
}

std::string trim(const std::string &text)
{
    const auto first = text.find_first_not_of(" \t\r");
    const auto last = text.find_last_not_of(" \t\r");
    return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

// Splits "| a | b \| c |" into cells, keeping escaped bars inside a cell.
std::vector<std::string> tableCells(const std::string &line)
{
    std::vector<std::string> cells;
    std::string cell;
    const std::string body = trim(line);
    for (std::size_t i = 1; i < body.size(); ++i) {
        if (body[i] == '\\' && i + 1 < body.size()) {
            cell += body.substr(i, 2);
            ++i;
        } else if (body[i] == '|') {
            cells.push_back(trim(cell));
            cell.clear();
        } else {
            cell += body[i];
        }
    }
    return cells;
}

bool isNumberedItem(const std::string &line)
{
    std::size_t i = 0;
    while (i < line.size() && std::isdigit(static_cast<unsigned char>(line[i])))
        ++i;
    return i > 0 && line.compare(i, 2, ". ") == 0;
}

bool startsBlock(const std::string &line)
{
    return startsWith(line, "#") || startsWith(line, "> ") || startsWith(line, "- ") ||
           startsWith(line, "|") || isNumberedItem(line);
}

Block lineBlock(const std::string &line)
{
    if (startsWith(line, "### "))
        return {Kind::Heading3, line.substr(4), {}};
    if (startsWith(line, "## "))
        return {Kind::Heading2, line.substr(3), {}};
    if (startsWith(line, "# "))
        return {Kind::Heading1, line.substr(2), {}};
    if (startsWith(line, "> "))
        return {Kind::Note, line.substr(2), {}};
    if (startsWith(line, "- "))
        return {Kind::Bullet, line.substr(2), {}};
    return {Kind::Numbered, line.substr(line.find(". ") + 2), {}};
}

std::vector<Block> parse(std::istream &in)
{
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(trim(line));
    std::vector<Block> blocks;
    for (std::size_t i = 0; i < lines.size();) {
        const std::string &line = lines[i];
        if (line.empty()) {
            ++i;
        } else if (startsWith(line, "|")) {
            Block table{Kind::Table, {}, {}};
            for (; i < lines.size() && startsWith(lines[i], "|"); ++i)
                if (!startsWith(lines[i], "|---") && !startsWith(lines[i], "| ---"))
                    table.rows.push_back(tableCells(lines[i]));
            blocks.push_back(table);
        } else if (startsBlock(line)) {
            blocks.push_back(lineBlock(line));
            ++i;
        } else {
            Block paragraph{Kind::Paragraph, line, {}};
            for (++i; i < lines.size() && !lines[i].empty() && !startsBlock(lines[i]); ++i)
                paragraph.text += " " + lines[i];
            blocks.push_back(paragraph);
        }
    }
    return blocks;
}

// Reads one UTF-8 sequence at text[i], advancing i; malformed bytes give U+FFFD.
char32_t nextCodePoint(const std::string &text, std::size_t &i)
{
    const auto byte = static_cast<unsigned char>(text[i++]);
    const int extra = byte >= 0xF0 ? 3 : byte >= 0xE0 ? 2 : byte >= 0xC0 ? 1 : 0;
    if (byte >= 0x80 && extra == 0)
        return 0xFFFD;
    char32_t value = extra == 0 ? byte : byte & (0x3F >> extra);
    for (int k = 0; k < extra; ++k) {
        if (i >= text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            return 0xFFFD;
        value = (value << 6) | (static_cast<unsigned char>(text[i++]) & 0x3F);
    }
    return value;
}

// The Windows-1252 byte for a code point, or 0 when it has none.
unsigned char cp1252Byte(char32_t c)
{
    static const char32_t high[32] = {
        0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
    if (c >= 0xA0 && c <= 0xFF)
        return static_cast<unsigned char>(c);
    for (int k = 0; k < 32; ++k)
        if (high[k] == c && c != 0)
            return static_cast<unsigned char>(0x80 + k);
    return 0;
}

void appendUnit(std::string &out, char32_t unit)
{
    out += "\\u" + std::to_string(unit > 0x7FFF ? int(unit) - 0x10000 : int(unit)) + "?";
}

void appendCharacter(std::string &out, char32_t c)
{
    char hex[8];
    if (c == '\\' || c == '{' || c == '}') {
        out += '\\';
        out += char(c);
    } else if (c < 0x80) {
        out += char(c);
    } else if (const unsigned char byte = cp1252Byte(c)) {
        std::snprintf(hex, sizeof hex, "\\'%02x", byte);
        out += hex;
    } else if (c > 0xFFFF) {
        appendUnit(out, 0xD800 + ((c - 0x10000) >> 10));
        appendUnit(out, 0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
        appendUnit(out, c);
    }
}

// Inline markup: **bold**, *italic*, `code`; a backslash takes the next
// character literally.
std::string inlineRtf(const std::string &text)
{
    std::string out;
    bool bold = false, italic = false, code = false;
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            ++i;
            appendCharacter(out, nextCodePoint(text, i));
        } else if (text[i] == '`') {
            code = !code;
            out += code ? "{\\f1\\fs20 " : "}";
            ++i;
        } else if (!code && text.compare(i, 2, "**") == 0) {
            bold = !bold;
            out += bold ? "\\b " : "\\b0 ";
            i += 2;
        } else if (!code && text[i] == '*') {
            italic = !italic;
            out += italic ? "\\i " : "\\i0 ";
            ++i;
        } else {
            appendCharacter(out, nextCodePoint(text, i));
        }
    }
    if (code)
        out += "}";
    return out + (bold ? "\\b0 " : "") + (italic ? "\\i0 " : "");
}

// Column widths in twips over a 9360-twip line, after the average length of
// each column's cells.
std::size_t longestWord(const std::string &text)
{
    std::size_t longest = 0;
    std::istringstream words(text);
    for (std::string word; words >> word;)
        longest = std::max(longest, word.size());
    return longest;
}

// Column widths in twips over a 9360-twip line, after the average length of
// each column's cells, but wide enough for the column's longest word.
std::vector<int> columnEdges(const std::vector<std::vector<std::string>> &rows)
{
    const std::size_t columns = rows.empty() ? 0 : rows.front().size();
    std::vector<double> weight(columns, 0.0);
    std::vector<double> least(columns, 12.0);
    for (const auto &row : rows)
        for (std::size_t c = 0; c < columns && c < row.size(); ++c) {
            weight[c] += double(row[c].size()) / double(rows.size());
            least[c] = std::max(least[c], 3.0 * double(longestWord(row[c])));
        }
    double total = 0;
    for (std::size_t c = 0; c < columns; ++c)
        total += (weight[c] = std::max(weight[c], least[c]));
    std::vector<int> edges;
    double edge = 0;
    for (const double w : weight)
        edges.push_back(int(edge += 9360.0 * w / total));
    return edges;
}

std::string tableRtf(const Block &table)
{
    std::string out;
    const std::vector<int> edges = columnEdges(table.rows);
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        out += "\\trowd\\trgaph80\\trleft0";
        for (const int edge : edges)
            out += "\\clbrdrt\\brdrs\\brdrw10\\clbrdrl\\brdrs\\brdrw10\\clbrdrb\\brdrs\\brdrw10"
                   "\\clbrdrr\\brdrs\\brdrw10\\cellx" +
                   std::to_string(edge);
        out += "\n\\pard\\plain\\intbl\\sa40\\fs20";
        out += r == 0 ? "\\b " : " ";
        for (std::size_t c = 0; c < edges.size(); ++c)
            out += (c < table.rows[r].size() ? inlineRtf(table.rows[r][c]) : "") + "\\cell ";
        out += "\\row\n";
    }
    return out + "\\pard\\plain\\sa120\\fs22\\par\n";
}

// Lists are written as Word and LibreOffice write them: a list table with
// one definition per list (so each numbered list starts at 1) and, before
// each item, its marker in \listtext, which readers without list support
// show as plain text.
std::string listItemRtf(const Block &block, int list, int number)
{
    const std::string marker =
        block.kind == Kind::Bullet ? std::string("\\'95") : std::to_string(number) + ".";
    return "\\pard\\plain{\\listtext\\pard\\plain\\f0\\fs22 " + marker + "\\tab}\\ls" +
           std::to_string(list) + "\\ilvl0\\fi-360\\li720\\sa60\\fs22 " + inlineRtf(block.text) +
           "\\par\n";
}

std::string listTableRtf(const std::vector<Kind> &lists)
{
    std::string table = "{\\*\\listtable\n";
    std::string overrides = "{\\*\\listoverridetable\n";
    for (std::size_t i = 0; i < lists.size(); ++i) {
        const std::string id = std::to_string(i + 1);
        const bool bullet = lists[i] == Kind::Bullet;
        table += "{\\list\\listtemplateid" + id + "{\\listlevel\\levelnfc" + (bullet ? "23" : "0") +
                 "\\leveljc0\\levelfollow0\\levelstartat1" +
                 (bullet ? "{\\leveltext\\'01\\'95;}{\\levelnumbers;}"
                         : "{\\leveltext\\'02\\'00.;}{\\levelnumbers\\'01;}") +
                 "\\f0\\fi-360\\li720}{\\listname ;}\\listid" + id + "}\n";
        overrides += "{\\listoverride\\listid" + id + "\\listoverridecount0\\ls" + id + "}\n";
    }
    return table + "}\n" + overrides + "}\n";
}

std::string blockRtf(const Block &block)
{
    switch (block.kind) {
    case Kind::Heading1:
        return "\\pard\\plain\\qc\\sb120\\sa240\\keepn\\b\\fs36\\cf1 " + inlineRtf(block.text) +
               "\\par\n";
    case Kind::Heading2:
        return "\\pard\\plain\\sb360\\sa120\\keepn\\b\\fs28\\cf1 " + inlineRtf(block.text) +
               "\\par\n";
    case Kind::Heading3:
        return "\\pard\\plain\\sb240\\sa80\\keepn\\b\\fs24\\cf1 " + inlineRtf(block.text) +
               "\\par\n";
    case Kind::Note:
        return "\\pard\\plain\\li360\\ri360\\sb60\\sa120\\fs22\\cf2\\i " + inlineRtf(block.text) +
               "\\par\n";
    case Kind::Table:
        return tableRtf(block);
    default:
        return "\\pard\\plain\\sa120\\fs22 " + inlineRtf(block.text) + "\\par\n";
    }
}

std::string documentRtf(const std::vector<Block> &blocks)
{
    std::string body;
    std::vector<Kind> lists;
    int number = 0;
    Kind previous = Kind::Paragraph;
    for (const Block &block : blocks) {
        if (block.kind == Kind::Bullet || block.kind == Kind::Numbered) {
            if (previous != block.kind)
                lists.push_back(block.kind);
            number = previous == block.kind ? number + 1 : 1;
            body += listItemRtf(block, int(lists.size()), number);
        } else {
            body += blockRtf(block);
        }
        previous = block.kind;
    }
    return "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n"
           "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1\\fmodern\\fcharset0 Courier New;}}\n"
           "{\\colortbl;\\red31\\green73\\blue125;\\red80\\green80\\blue80;}\n" +
           listTableRtf(lists) +
           "{\\info{\\title Tarvek Config - Istruzioni}}\n"
           "\\viewkind4\\fs22\n" +
           body + "}\n";
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::cerr << "usage: tarvek_manual_rtf SOURCE.md OUTPUT.rtf\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::cerr << "cannot read " << argv[1] << "\n";
        return 1;
    }
    const std::string rtf = documentRtf(parse(in));
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out << rtf;
    if (!out) {
        std::cerr << "cannot write " << argv[2] << "\n";
        return 1;
    }
    return 0;
}
