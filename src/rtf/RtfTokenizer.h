#pragma once
// Splits RTF bytes into tokens: braces, control words with their optional
// numeric parameter, control symbols, \'hh bytes and runs of plain text. It
// never allocates and never looks back, so any input, however damaged, is
// read in one pass.
#include <QByteArrayView>

#include <string_view>

namespace tarvek::rtf
{

// The value of a hexadecimal digit (either case), or -1 for any other character.
constexpr int hexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

enum class TokenType { GroupStart, GroupEnd, ControlWord, ControlSymbol, HexByte, Text, End };

struct Token {
    TokenType type = TokenType::End;
    std::string_view word; // control word name, or the text of a Text token
    bool hasParam = false;
    int param = 0;
    char symbol = 0;        // the character of a control symbol
    unsigned char byte = 0; // value of a HexByte
};

class RtfTokenizer
{
public:
    // Control word names longer than maxWordLength are cut to it.
    RtfTokenizer(QByteArrayView input, int maxWordLength);

    Token next();
    // Takes up to count raw bytes that follow \binN; fewer at the end of input.
    std::string_view takeBinary(long long count);

private:
    Token readControl();
    Token readControlWord();
    Token readHexByte();
    Token readText();

    const char *m_pos;
    const char *m_end;
    std::size_t m_maxWordLength;
};

} // namespace tarvek::rtf
