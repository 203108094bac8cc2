#include "RtfTokenizer.h"

#include <algorithm>
#include <climits>

namespace tarvek::rtf
{

namespace
{

// Word names beyond this length are cut; parameters are clamped to int.
constexpr std::size_t kMaxWordLength = 32;
constexpr long long kParamLimit = INT_MAX;

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

Token tokenOf(TokenType type)
{
    Token token;
    token.type = type;
    return token;
}

} // namespace

RtfTokenizer::RtfTokenizer(QByteArrayView input)
    : pos_(input.data()), end_(input.data() + input.size())
{
}

Token RtfTokenizer::next()
{
    while (pos_ < end_) {
        const char c = *pos_;
        if (c == '\r' || c == '\n') {
            ++pos_;
            continue;
        }
        if (c == '{' || c == '}') {
            ++pos_;
            return tokenOf(c == '{' ? TokenType::GroupStart : TokenType::GroupEnd);
        }
        if (c == '\\')
            return readControl();
        return readText();
    }
    return Token{};
}

std::string_view RtfTokenizer::takeBinary(long long count)
{
    const long long available = end_ - pos_;
    const long long taken = std::clamp(count, 0LL, available);
    std::string_view bytes(pos_, static_cast<std::size_t>(taken));
    pos_ += taken;
    return bytes;
}

Token RtfTokenizer::readControl()
{
    ++pos_; // the backslash
    if (pos_ >= end_)
        return Token{};
    if (isLetter(*pos_))
        return readControlWord();
    if (*pos_ == '\'')
        return readHexByte();
    Token token = tokenOf(TokenType::ControlSymbol);
    token.symbol = *pos_++;
    return token;
}

Token RtfTokenizer::readControlWord()
{
    const char *start = pos_;
    while (pos_ < end_ && isLetter(*pos_))
        ++pos_;
    Token token = tokenOf(TokenType::ControlWord);
    token.word = std::string_view(start, std::min<std::size_t>(pos_ - start, kMaxWordLength));
    bool negative = false;
    if (pos_ + 1 < end_ && *pos_ == '-' && isDigit(pos_[1])) {
        negative = true;
        ++pos_;
    }
    long long value = 0;
    while (pos_ < end_ && isDigit(*pos_)) {
        token.hasParam = true;
        value = std::min(value * 10 + (*pos_ - '0'), kParamLimit);
        ++pos_;
    }
    token.param = static_cast<int>(negative ? -value : value);
    if (pos_ < end_ && *pos_ == ' ')
        ++pos_; // the delimiting space belongs to the control word
    return token;
}

Token RtfTokenizer::readHexByte()
{
    ++pos_; // the quote
    int value = 0;
    int digits = 0;
    while (digits < 2 && pos_ < end_ && hexDigitValue(*pos_) >= 0) {
        value = value * 16 + hexDigitValue(*pos_++);
        ++digits;
    }
    if (digits == 0) {
        Token ignored = tokenOf(TokenType::ControlSymbol); // a lone \' carries no byte
        ignored.symbol = '\'';
        return ignored;
    }
    Token token = tokenOf(TokenType::HexByte);
    token.byte = static_cast<unsigned char>(value);
    return token;
}

Token RtfTokenizer::readText()
{
    const char *start = pos_;
    while (pos_ < end_) {
        const char c = *pos_;
        if (c == '{' || c == '}' || c == '\\' || c == '\r' || c == '\n')
            break;
        ++pos_;
    }
    Token token = tokenOf(TokenType::Text);
    token.word = std::string_view(start, pos_ - start);
    return token;
}

} // namespace tarvek::rtf
