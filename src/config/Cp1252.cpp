#include "Cp1252.h"

#include <array>

namespace tarvek::config
{
namespace
{

// Bytes 0x80 to 0x9F; the rest of the page matches Latin-1.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

int cp1252Code(char32_t ch)
{
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF))
        return static_cast<int>(ch);
    for (size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == ch)
            return static_cast<int>(0x80 + i);
    }
    return -1;
}

bool isPrintableCode(int code)
{
    return code >= 32 && code != 127 && code <= 255;
}

bool isPrintableSingleByte(char32_t ch)
{
    return isPrintableCode(cp1252Code(ch));
}

char32_t cp1252Char(unsigned char code)
{
    if (code >= 0x80 && code < 0xA0)
        return kHighControls[code - 0x80];
    return code;
}

QByteArray encodeCp1252(const QString &text)
{
    QByteArray out;
    out.reserve(text.size());
    // One byte per UTF-16 unit, so that the byte count always equals the
    // text's length; a character beyond the BMP cannot be held anyway.
    for (QChar ch : text) {
        const int code = cp1252Code(ch.unicode());
        out.append(static_cast<char>(code < 0 ? '?' : code));
    }
    return out;
}

QString decodeCp1252(const QByteArray &bytes)
{
    QString out;
    out.reserve(bytes.size());
    for (char byte : bytes) {
        const char32_t ch = cp1252Char(static_cast<unsigned char>(byte));
        out.append(QChar(static_cast<char16_t>(ch)));
    }
    return out;
}

} // namespace tarvek::config
