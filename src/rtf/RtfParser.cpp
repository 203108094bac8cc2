#include "RtfParser.h"

#include "FormatWords.h"

#include <algorithm>

namespace tarvek::rtf
{

RtfParser::RtfParser(QByteArrayView input, const ReadLimits &limits)
    : m_tokenizer(input), m_limits(limits), m_assembler(m_document, m_limits),
      m_picture(limits.maxPictureBytes)
{
    m_stack.emplace_back();
    m_stack.reserve(std::size_t(std::max(1, m_limits.maxGroupDepth)) + 1);
}

Document RtfParser::run()
{
    for (Token token = m_tokenizer.next(); token.type != TokenType::End; token = m_tokenizer.next())
        handle(token);
    flushBytes();
    const ParagraphFormat last = state().paragraph;
    m_document.report.unclosedGroups = int(m_stack.size()) - 1 + m_overflowDepth;
    m_overflowDepth = 0;
    while (m_stack.size() > 1)
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
        m_groupStart = false;
        if (m_skipRemaining > 0)
            --m_skipRemaining;
        else if (carriesText(state().destination))
            m_pending.append(static_cast<char>(token.byte));
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

void RtfParser::openGroup()
{
    flushBytes();
    m_skipRemaining = 0;
    m_groupStart = true;
    m_starred = false;
    if (int(m_stack.size()) > m_limits.maxGroupDepth) {
        ++m_overflowDepth;
        m_document.report.depthLimitReached = true;
        return;
    }
    m_stack.push_back(m_stack.back());
}

void RtfParser::closeGroup()
{
    flushBytes();
    m_skipRemaining = 0;
    m_groupStart = false;
    if (m_overflowDepth > 0) {
        --m_overflowDepth;
        return;
    }
    if (m_stack.size() <= 1) {
        ++m_document.report.unbalancedCloseBraces;
        return;
    }
    const GroupState closed = std::move(m_stack.back());
    m_stack.pop_back();
    if (closed.destination != state().destination)
        endDestination(closed);
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
    if (!carriesText(state().destination))
        return;
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
        applyCharacterWord(info.keyword, token, state().character, state().hidden) ||
        applyParagraphWord(info.keyword, token, state().paragraph) ||
        handleStructureWord(info, token))
        return;
    if (info.keyword == Keyword::Unknown)
        m_document.report.noteUnknownWord(token.word);
}

bool RtfParser::enterDestination(KeywordInfo info, std::string_view word, bool starred)
{
    Destination destination;
    switch (info.keyword) {
    case Keyword::FontTable:
        destination = Destination::FontTable;
        break;
    case Keyword::ColorTable:
        destination = Destination::ColorTable;
        break;
    case Keyword::Picture:
        destination = Destination::Picture;
        break;
    case Keyword::ListMarker:
        destination = Destination::ListMarker;
        break;
    case Keyword::WordPadList:
        destination = Destination::WordPadList;
        break;
    case Keyword::Transparent:
        return true;
    case Keyword::SkipGroup:
        destination = Destination::Skip;
        break;
    default:
        if (!starred)
            return false;
        destination = Destination::Skip;
        break;
    }
    if (destination == Destination::Skip)
        m_document.report.noteSkippedDestination(word);
    if (destination == Destination::Picture)
        m_picture.start();
    if (destination == Destination::ListMarker)
        m_marker.clear();
    if (destination == Destination::WordPadList)
        m_wordPadList.start();
    state().destination = destination;
    return true;
}

void RtfParser::skipBinary(const Token &token)
{
    const std::string_view bytes = m_tokenizer.takeBinary(token.hasParam ? token.param : 0);
    if (state().destination == Destination::Picture)
        m_picture.appendBinary(bytes);
}

} // namespace tarvek::rtf
