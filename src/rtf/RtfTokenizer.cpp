#include "RtfTokenizer.h"

#include <algorithm>
#include <climits>

namespace tarvek::rtf
{

namespace
{

// Parameters are clamped to int.
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

RtfTokenizer::RtfTokenizer(QByteArrayView input, int maxWordLength)
    : m_pos(input.data()), m_end(input.data() + input.size()),
      m_maxWordLength(std::size_t(std::max(maxWordLength, 0)))
{
}

Token RtfTokenizer::next()
{
    while (m_pos < m_end) {
        const char c = *m_pos;
        if (c == '\r' || c == '\n') {
            ++m_pos;
            continue;
        }
        if (c == '{' || c == '}') {
            ++m_pos;
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
    const long long available = m_end - m_pos;
    const long long taken = std::clamp(count, 0LL, available);
    std::string_view bytes(m_pos, static_cast<std::size_t>(taken));
    m_pos += taken;
    return bytes;
}

Token RtfTokenizer::readControl()
{
    ++m_pos; // the backslash
    if (m_pos >= m_end)
        return Token{};
    if (isLetter(*m_pos))
        return readControlWord();
    if (*m_pos == '\'')
        return readHexByte();
    Token token = tokenOf(TokenType::ControlSymbol);
    token.symbol = *m_pos++;
    return token;
}

Token RtfTokenizer::readControlWord()
{
    const char *start = m_pos;
    while (m_pos < m_end && isLetter(*m_pos))
        ++m_pos;
    Token token = tokenOf(TokenType::ControlWord);
    token.word = std::string_view(start, std::min<std::size_t>(m_pos - start, m_maxWordLength));
    bool negative = false;
    if (m_pos + 1 < m_end && *m_pos == '-' && isDigit(m_pos[1])) {
        negative = true;
        ++m_pos;
    }
    long long value = 0;
    while (m_pos < m_end && isDigit(*m_pos)) {
        token.hasParam = true;
        value = std::min(value * 10 + (*m_pos - '0'), kParamLimit);
        ++m_pos;
    }
    token.param = static_cast<int>(negative ? -value : value);
    if (m_pos < m_end && *m_pos == ' ')
        ++m_pos; // the delimiting space belongs to the control word
    return token;
}

Token RtfTokenizer::readHexByte()
{
    ++m_pos; // the quote
    int value = 0;
    int digits = 0;
    while (digits < 2 && m_pos < m_end && hexDigitValue(*m_pos) >= 0) {
        value = value * 16 + hexDigitValue(*m_pos++);
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
    const char *start = m_pos;
    while (m_pos < m_end) {
        const char c = *m_pos;
        if (c == '{' || c == '}' || c == '\\' || c == '\r' || c == '\n')
            break;
        ++m_pos;
    }
    Token token = tokenOf(TokenType::Text);
    token.word = std::string_view(start, m_pos - start);
    return token;
}

} // namespace tarvek::rtf
