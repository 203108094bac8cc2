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

const char *codecName(int codePage)
{
    switch (codePage) {
    case 437:
        return "IBM437";
    case 850:
        return "IBM850";
    case 874:
        return "windows-874";
    case 932:
        return "Shift_JIS";
    case 936:
        return "GBK";
    case 949:
        return "windows-949";
    case 950:
        return "Big5";
    case 1250:
        return "windows-1250";
    case 1251:
        return "windows-1251";
    case 1253:
        return "windows-1253";
    case 1254:
        return "windows-1254";
    case 1255:
        return "windows-1255";
    case 1256:
        return "windows-1256";
    case 1257:
        return "windows-1257";
    case 1258:
        return "windows-1258";
    case 10000:
        return "macintosh";
    default:
        return nullptr;
    }
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
    if (const char *name = codecName(codePage)) {
        QStringDecoder decoder(name);
        if (decoder.isValid()) {
            m_codePage = codePage;
            m_decoder = std::move(decoder);
        }
    }
}

void CodePageDecoder::append(std::string_view bytes, QString &out)
{
    if (m_decoder.isValid()) {
        out += m_decoder.decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
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
