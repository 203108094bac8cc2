// Code pages through Qt's converters, which ICU backs on Linux.
#include "SystemCodePage.h"

#include <QStringDecoder>

namespace tarvek::rtf
{
namespace
{

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

struct SystemCodePage::State {
    QStringDecoder decoder;
};

SystemCodePage::SystemCodePage(int codePage) : m_state(std::make_unique<State>())
{
    if (const char *name = codecName(codePage))
        m_state->decoder = QStringDecoder(name);
}

SystemCodePage::~SystemCodePage() = default;

bool SystemCodePage::isValid() const
{
    return m_state->decoder.isValid();
}

void SystemCodePage::decode(std::string_view bytes, QString &out)
{
    out += m_state->decoder.decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
}

} // namespace tarvek::rtf
