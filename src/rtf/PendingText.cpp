#include "PendingText.h"

namespace tarvek::rtf
{

QString PendingText::take(int codePage)
{
    QString text;
    bool ascii = true;
    for (const char c : m_bytes)
        ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (ascii && codePage != kSymbolCodePage)
        text = QString::fromLatin1(m_bytes.data(), qsizetype(m_bytes.size()));
    else
        m_decoders.forCodePage(codePage).append(m_bytes, text);
    m_bytes.clear();
    text.removeIf([](QChar c) { return c.unicode() < 0x20 && c != u'\t'; });
    return text;
}

} // namespace tarvek::rtf
