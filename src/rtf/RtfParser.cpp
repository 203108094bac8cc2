#include "RtfParser.h"

#include "FormatWords.h"

#include <algorithm>

namespace tarvek::rtf
{

RtfParser::RtfParser(QByteArrayView input, const ReadLimits &limits)
    : m_tokenizer(input), m_limits(limits), m_assembler(m_document, m_limits),
      m_picture(limits.maxPictureBytes), m_groups(limits.maxGroupDepth)
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
    if (info.keyword == Keyword::Transparent)
        return true;
    const std::optional<Destination> opened = destinationOpenedBy(info.keyword, starred);
    if (!opened)
        return false;
    const Destination destination = *opened;
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
