#include "RtfParser.h"

#include <algorithm>

namespace tarvek::rtf
{

namespace
{

constexpr int kMaxUnknownWordsNoted = 32;

} // namespace

RtfParser::RtfParser(QByteArrayView input, const ReadLimits &limits)
    : tokenizer_(input), limits_(limits), assembler_(document_, limits_),
      picture_(limits.maxPictureBytes)
{
    stack_.emplace_back();
    stack_.reserve(std::size_t(std::max(1, limits_.maxGroupDepth)) + 1);
}

Document RtfParser::run()
{
    for (Token token = tokenizer_.next(); token.type != TokenType::End; token = tokenizer_.next())
        handle(token);
    flushBytes();
    const ParagraphFormat last = state().paragraph;
    document_.report.unclosedGroups = int(stack_.size()) - 1 + overflowDepth_;
    overflowDepth_ = 0;
    while (stack_.size() > 1)
        closeGroup();
    assembler_.finish(last);
    return std::move(document_);
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
        groupStart_ = false;
        if (skipRemaining_ > 0)
            --skipRemaining_;
        else if (carriesText(state().destination))
            pendingBytes_.push_back(static_cast<char>(token.byte));
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
    skipRemaining_ = 0;
    groupStart_ = true;
    starred_ = false;
    if (int(stack_.size()) > limits_.maxGroupDepth) {
        ++overflowDepth_;
        document_.report.depthLimitReached = true;
        return;
    }
    stack_.push_back(stack_.back());
}

void RtfParser::closeGroup()
{
    flushBytes();
    skipRemaining_ = 0;
    groupStart_ = false;
    if (overflowDepth_ > 0) {
        --overflowDepth_;
        return;
    }
    if (stack_.size() <= 1) {
        ++document_.report.unbalancedCloseBraces;
        return;
    }
    const GroupState closed = std::move(stack_.back());
    stack_.pop_back();
    if (closed.destination != state().destination)
        endDestination(closed);
}

void RtfParser::endDestination(const GroupState &closed)
{
    switch (closed.destination) {
    case Destination::FontTable:
        finishFontEntry();
        break;
    case Destination::Picture:
        finishPicture(closed);
        break;
    case Destination::ListMarker:
        assembler_.setListMarker(marker_);
        break;
    case Destination::WordPadList:
        applyWordPadList();
        break;
    default:
        break;
    }
}

void RtfParser::handleText(std::string_view bytes)
{
    groupStart_ = false;
    if (skipRemaining_ > 0) {
        const auto skipped = std::min<std::size_t>(std::size_t(skipRemaining_), bytes.size());
        bytes.remove_prefix(skipped);
        skipRemaining_ -= int(skipped);
    }
    if (state().destination == Destination::Picture)
        picture_.appendHex(bytes);
    else if (carriesText(state().destination))
        pendingBytes_.append(bytes);
}

void RtfParser::handleSymbol(char symbol)
{
    const bool wasGroupStart = groupStart_;
    groupStart_ = false;
    if (symbol == '*') {
        starred_ = wasGroupStart;
        groupStart_ = wasGroupStart;
        return;
    }
    if (skipRemaining_ > 0) {
        --skipRemaining_;
        return;
    }
    if (!carriesText(state().destination))
        return;
    switch (symbol) {
    case '\\':
    case '{':
    case '}':
        pendingBytes_.push_back(symbol);
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
            assembler_.endParagraph(state().paragraph);
        return;
    default:
        return; // \- optional hyphen, \: index subentry, \| formula
    }
}

void RtfParser::handleWord(const Token &token)
{
    const bool atGroupStart = groupStart_;
    const bool starred = starred_;
    groupStart_ = false;
    starred_ = false;
    const KeywordInfo info = lookupKeyword(token.word);
    if (info.keyword == Keyword::Binary) {
        skipBinary(token);
        return;
    }
    if (state().destination == Destination::Skip)
        return;
    flushBytes();
    if (skipRemaining_ > 0) {
        --skipRemaining_;
        return;
    }
    if (atGroupStart && enterDestination(info, token.word, starred))
        return;
    if (handleDestinationWord(info.keyword, token) || handleDocumentWord(info.keyword, token) ||
        handleCharacterWord(info.keyword, token) || handleParagraphWord(info.keyword, token) ||
        handleStructureWord(info, token))
        return;
    if (info.keyword == Keyword::Unknown)
        noteUnknownWord(token.word);
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
        noteSkippedDestination(word);
    if (destination == Destination::Picture)
        picture_.start();
    if (destination == Destination::ListMarker)
        marker_.clear();
    if (destination == Destination::WordPadList) {
        pnKind_ = ListKind::None;
        pnLevel_ = 0;
    }
    state().destination = destination;
    return true;
}

void RtfParser::skipBinary(const Token &token)
{
    const std::string_view bytes = tokenizer_.takeBinary(token.hasParam ? token.param : 0);
    if (state().destination == Destination::Picture)
        picture_.appendBinary(bytes);
}

void RtfParser::noteSkippedDestination(std::string_view word)
{
    QMap<QString, int> &skipped = document_.report.skippedDestinations;
    const QString name = QString::fromLatin1(word.data(), qsizetype(word.size()));
    if (skipped.contains(name) || skipped.size() < kMaxUnknownWordsNoted)
        ++skipped[name];
}

void RtfParser::noteUnknownWord(std::string_view word)
{
    QStringList &unknown = document_.report.unknownControlWords;
    const QString name = QString::fromLatin1(word.data(), qsizetype(word.size()));
    if (unknown.size() < kMaxUnknownWordsNoted && !unknown.contains(name))
        unknown.append(name);
}

} // namespace tarvek::rtf
