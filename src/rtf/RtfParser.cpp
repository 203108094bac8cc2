#include "RtfParser.h"

#include "FormatWords.h"

#include <algorithm>
#include <climits>

namespace tarvek::rtf
{

namespace
{

// \uN is a signed 16-bit number: negative values stand for code units above
// 32767.
char16_t unicodeUnit(int param)
{
    if (param < -32768 || param > 65535)
        return 0xFFFD;
    return char16_t(param < 0 ? param + 65536 : param);
}

} // namespace

RtfParser::RtfParser(QByteArrayView input, const ReadLimits &limits)
    : m_tokenizer(input, limits.maxControlWordLength), m_limits(limits),
      m_assembler(m_document, m_limits), m_picture(limits), m_groups(limits.maxGroupDepth),
      m_fonts(limits), m_colors(limits.maxColors), m_wordPadList(limits.maxListLevel)
{
}

Document RtfParser::run()
{
    for (Token token = m_tokenizer.next(); token.type != TokenType::End; token = m_tokenizer.next())
        handle(token);
    flushBytes();
    const ParagraphFormat last = state().paragraph;
    m_document.report.unclosedGroups = m_groups.openCount();
    m_groups.forgetCounted();
    while (m_groups.openCount() > 0)
        closeGroup();
    m_assembler.finish(last);
    return std::move(m_document);
}

void RtfParser::handle(const Token &token)
{
    switch (token.type) {
    case TokenType::GroupStart:
        openGroup();
        return;
    case TokenType::GroupEnd:
        closeGroup();
        return;
    case TokenType::Text:
        handleText(token.word);
        return;
    case TokenType::HexByte:
        handleHexByte(token.byte);
        return;
    case TokenType::ControlSymbol:
        handleSymbol(token.symbol);
        return;
    case TokenType::ControlWord:
        handleWord(token);
        return;
    case TokenType::End:
        return;
    }
}

// Groups and destinations.

void RtfParser::openGroup()
{
    flushBytes();
    m_skipRemaining = 0;
    m_groupStart = true;
    m_starred = false;
    if (!m_groups.open())
        m_document.report.depthLimitReached = true;
}

void RtfParser::closeGroup()
{
    flushBytes();
    m_skipRemaining = 0;
    m_groupStart = false;
    GroupState closed;
    switch (m_groups.close(closed)) {
    case GroupStack::Closing::Counted:
        return;
    case GroupStack::Closing::Unbalanced:
        ++m_document.report.unbalancedCloseBraces;
        return;
    case GroupStack::Closing::Stored:
        break;
    }
    if (closed.destination != state().destination)
        endDestination(closed);
}

bool RtfParser::enterDestination(KeywordInfo info, std::string_view word, bool starred)
{
    if (info.keyword == Keyword::Transparent)
        return true;
    const std::optional<Destination> opened = destinationOpenedBy(info.keyword, starred);
    if (!opened)
        return false;
    const Destination destination = *opened;
    if (destination == Destination::Skip)
        m_document.report.noteSkippedDestination(word, m_limits.maxReportedNames);
    if (destination == Destination::Picture)
        m_picture.start();
    if (destination == Destination::ListMarker)
        m_marker.clear();
    if (destination == Destination::WordPadList)
        m_wordPadList.start();
    state().destination = destination;
    return true;
}

void RtfParser::endDestination(const GroupState &closed)
{
    switch (closed.destination) {
    case Destination::FontTable:
        m_fonts.finish(m_document);
        break;
    case Destination::Picture:
        finishPicture(closed);
        break;
    case Destination::ListMarker:
        m_assembler.setListMarker(m_marker);
        break;
    case Destination::WordPadList:
        m_wordPadList.applyTo(state().paragraph);
        break;
    default:
        break;
    }
}

void RtfParser::finishPicture(const GroupState &closed)
{
    std::optional<Picture> picture = m_picture.finish();
    if (!picture || m_pictureBytes + picture->data.size() > m_limits.maxAllPictureBytes) {
        ++m_document.report.droppedPictures;
        return;
    }
    if (state().destination != Destination::Body || state().hidden)
        return;
    m_pictureBytes += picture->data.size();
    m_document.pictures.append(std::move(*picture));
    m_assembler.appendPicture(int(m_document.pictures.size()) - 1, closed.character);
}

// Text, bytes and control symbols.

void RtfParser::handleText(std::string_view bytes)
{
    m_groupStart = false;
    if (m_skipRemaining > 0) {
        const auto skipped = std::min<std::size_t>(std::size_t(m_skipRemaining), bytes.size());
        bytes.remove_prefix(skipped);
        m_skipRemaining -= int(skipped);
    }
    if (state().destination == Destination::Picture)
        m_picture.appendHex(bytes);
    else if (carriesText(state().destination))
        m_pending.append(bytes);
}

void RtfParser::handleHexByte(unsigned char byte)
{
    m_groupStart = false;
    if (m_skipRemaining > 0)
        --m_skipRemaining;
    else if (carriesText(state().destination))
        m_pending.append(static_cast<char>(byte));
}

void RtfParser::handleSymbol(char symbol)
{
    const bool wasGroupStart = m_groupStart;
    m_groupStart = false;
    if (symbol == '*') {
        m_starred = wasGroupStart;
        m_groupStart = wasGroupStart;
        return;
    }
    if (m_skipRemaining > 0) {
        --m_skipRemaining;
        return;
    }
    if (carriesText(state().destination))
        deliverSymbol(symbol);
}

void RtfParser::deliverSymbol(char symbol)
{
    switch (symbol) {
    case '\\':
    case '{':
    case '}':
        m_pending.append(symbol);
        return;
    case '~':
        deliverCharacter(0x00A0);
        return;
    case '_':
        deliverCharacter(0x2011);
        return;
    case '\n':
    case '\r':
        flushBytes();
        if (state().destination == Destination::Body)
            m_assembler.endParagraph(state().paragraph);
        return;
    default:
        return; // \- optional hyphen, \: index subentry, \| formula
    }
}

// Control words: the current destination's own first, then the document's,
// the format words (FormatWords.h), the text words and the table words.

void RtfParser::handleWord(const Token &token)
{
    const bool atGroupStart = m_groupStart;
    const bool starred = m_starred;
    m_groupStart = false;
    m_starred = false;
    const KeywordInfo info = lookupKeyword(token.word);
    if (info.keyword == Keyword::Binary) {
        skipBinary(token);
        return;
    }
    if (state().destination == Destination::Skip)
        return;
    flushBytes();
    if (m_skipRemaining > 0) {
        --m_skipRemaining;
        return;
    }
    if (atGroupStart && enterDestination(info, token.word, starred))
        return;
    if (handleDestinationWord(info.keyword, token) || handleDocumentWord(info.keyword, token) ||
        applyCharacterWord(info.keyword, token, m_limits, state().character, state().hidden) ||
        applyParagraphWord(info.keyword, token, m_limits, state().paragraph) ||
        handleTextWord(info, token) || handleTableWord(info.keyword, token))
        return;
    if (info.keyword == Keyword::Unknown)
        m_document.report.noteUnknownWord(token.word, m_limits.maxReportedNames);
}

void RtfParser::skipBinary(const Token &token)
{
    const std::string_view bytes = m_tokenizer.takeBinary(token.hasParam ? token.param : 0);
    if (state().destination == Destination::Picture)
        m_picture.appendBinary(bytes);
}

bool RtfParser::handleDestinationWord(Keyword keyword, const Token &token)
{
    switch (state().destination) {
    case Destination::FontTable:
        return m_fonts.handleWord(keyword, token, m_document);
    case Destination::ColorTable:
        return m_colors.handleWord(keyword, token.param);
    case Destination::Picture:
        if (keyword == Keyword::PngBlip || keyword == Keyword::JpegBlip ||
            keyword == Keyword::OtherPictureFormat) {
            m_picture.setFormat(keyword);
            return true;
        }
        m_picture.setSize(keyword, token.param);
        return false;
    case Destination::WordPadList:
        return m_wordPadList.handleWord(keyword, token);
    default:
        return false;
    }
}

bool RtfParser::handleDocumentWord(Keyword keyword, const Token &token)
{
    if (keyword == Keyword::DefaultFont) {
        m_document.defaultFont = token.param;
        return true;
    }
    const std::optional<int> codePage = codePageOfWord(keyword, token.param);
    if (!codePage)
        return false;
    m_document.codePage = m_pending.usableCodePage(*codePage);
    return true;
}

bool RtfParser::handleTextWord(KeywordInfo info, const Token &token)
{
    switch (info.keyword) {
    case Keyword::Par:
    case Keyword::SectionBreak:
        if (state().destination == Destination::Body)
            m_assembler.endParagraph(state().paragraph);
        return true;
    case Keyword::Line:
    case Keyword::NestedRow:
        deliverCharacter(0x2028);
        return true;
    case Keyword::Tab:
    case Keyword::NestedCell:
        deliverCharacter(u'\t');
        return true;
    case Keyword::Character:
        deliverCharacter(info.character);
        return true;
    case Keyword::Unicode:
        deliverCharacter(unicodeUnit(token.param));
        m_skipRemaining = state().unicodeSkip;
        return true;
    case Keyword::UnicodeSkip:
        state().unicodeSkip = std::clamp(token.param, 0, m_limits.maxUnicodeSkip);
        return true;
    default:
        return false;
    }
}

// Nested tables are read as text in the outer cell (\nestcell, \nestrow are
// text words); these words build the outer table.
bool RtfParser::handleTableWord(Keyword keyword, const Token &token)
{
    const bool body = state().destination == Destination::Body;
    switch (keyword) {
    case Keyword::Cell:
        if (body)
            m_assembler.endCell(state().paragraph);
        return true;
    case Keyword::Row:
        if (body)
            m_assembler.endRow(m_rowEdges);
        return true;
    case Keyword::RowDefaults:
        m_rowEdges.clear();
        return true;
    case Keyword::CellRightEdge:
        if (m_rowEdges.size() < m_limits.maxCellEdges)
            m_rowEdges.append(twipsParam(token, m_limits));
        return true;
    default:
        return false;
    }
}

// Decoding and delivering text to the current destination.

int RtfParser::currentCodePage() const
{
    if (state().destination == Destination::Body ||
        state().destination == Destination::ListMarker) {
        const int font =
            state().character.font >= 0 ? state().character.font : m_document.defaultFont;
        const int fontCodePage = m_fonts.codePageOf(font);
        if (fontCodePage != 0)
            return fontCodePage;
    }
    return m_document.codePage;
}

void RtfParser::flushBytes()
{
    if (!m_pending.isEmpty())
        deliver(m_pending.take(currentCodePage()));
}

void RtfParser::deliverCharacter(char16_t character)
{
    flushBytes();
    deliver(QString(QChar(character)));
}

void RtfParser::deliver(const QString &text)
{
    switch (state().destination) {
    case Destination::Body:
        // Hidden text is not kept, only counted, up to the largest int.
        if (state().hidden)
            m_document.report.hiddenCharacters = int(std::min<qsizetype>(
                qsizetype{m_document.report.hiddenCharacters} + text.size(), INT_MAX));
        else
            m_assembler.appendText(text, state().character);
        return;
    case Destination::FontTable:
        m_fonts.appendText(text, m_document);
        return;
    case Destination::ColorTable:
        m_colors.appendText(text, m_document.colors);
        return;
    case Destination::ListMarker:
        if (m_marker.size() < m_limits.maxListMarkerLength)
            m_marker += text.left(m_limits.maxListMarkerLength);
        return;
    default:
        return;
    }
}

} // namespace tarvek::rtf
