#include "CodePage.h"

#include "Cp1252.h"

using namespace tarvek::config;

namespace tarvek::rtf
{

namespace
{

char16_t cp1252ToUnicode(unsigned char byte)
{
    // Every Windows-1252 character lies in the Basic Multilingual Plane.
    return static_cast<char16_t>(cp1252Char(byte));
}

// The Symbol font has no Unicode mapping of its own; only the bullet matters
// for the lists that word processors write with it.
char16_t symbolToUnicode(unsigned char byte)
{
    return byte == 0xB7 ? char16_t(0x2022) : cp1252ToUnicode(byte);
}

} // namespace

std::optional<int> codePageOfWord(Keyword keyword, int param)
{
    switch (keyword) {
    case Keyword::Ansi:
        return kDefaultCodePage;
    case Keyword::Mac:
        return 10000;
    case Keyword::Pc:
        return 437;
    case Keyword::Pca:
        return 850;
    case Keyword::CodePage:
        return param;
    default:
        return std::nullopt;
    }
}

int codePageForCharset(int charset)
{
    switch (charset) {
    case 2:
        return kSymbolCodePage;
    case 77:
        return 10000;
    case 128:
        return 932;
    case 129:
        return 949;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    default:
        return 0;
    }
}

CodePageDecoder::CodePageDecoder(int codePage) : m_codePage(kDefaultCodePage)
{
    if (codePage == kSymbolCodePage) {
        m_codePage = kSymbolCodePage;
        return;
    }
    if (codePage == kDefaultCodePage)
        return; // built in
    auto system = std::make_unique<SystemCodePage>(codePage);
    if (system->isValid()) {
        m_codePage = codePage;
        m_system = std::move(system);
    }
}

void CodePageDecoder::append(std::string_view bytes, QString &out)
{
    if (m_system) {
        m_system->decode(bytes, out);
        return;
    }
    const bool symbol = m_codePage == kSymbolCodePage;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        out += QChar(symbol ? symbolToUnicode(byte) : cp1252ToUnicode(byte));
    }
}

CodePageDecoder &CodePageDecoders::forCodePage(int codePage)
{
    auto &slot = m_decoders[codePage];
    if (!slot)
        slot = std::make_unique<CodePageDecoder>(codePage);
    return *slot;
}

} // namespace tarvek::rtf
