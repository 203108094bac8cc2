#include "FontTableReader.h"

#include "CodePage.h"

#include <algorithm>

namespace tarvek::rtf
{

FontTableReader::FontTableReader(const ReadLimits &limits)
    : m_maxFonts(limits.maxFonts), m_maxNameLength(limits.maxFontNameLength)
{
}

bool FontTableReader::handleWord(Keyword keyword, const Token &token, Document &document)
{
    switch (keyword) {
    case Keyword::Font:
        finish(document);
        m_entry = FontEntry{token.param, QString(), 0};
        m_open = true;
        return true;
    case Keyword::FontCharset:
        m_entry.charset = token.param;
        return true;
    case Keyword::FontFamilyName:
        m_entry.family = static_cast<FontFamily>(lookupKeyword(token.word).character);
        return true;
    default:
        return false;
    }
}

void FontTableReader::appendText(const QString &text, Document &document)
{
    qsizetype from = 0;
    while (from < text.size()) {
        const qsizetype semicolon = text.indexOf(u';', from);
        const qsizetype to = semicolon < 0 ? text.size() : semicolon;
        if (m_entry.name.size() < m_maxNameLength)
            m_entry.name += text.mid(from, std::min<qsizetype>(to - from, m_maxNameLength));
        if (semicolon < 0)
            return;
        finish(document);
        from = semicolon + 1;
    }
}

void FontTableReader::finish(Document &document)
{
    if (!m_open)
        return;
    m_open = false;
    m_entry.name = m_entry.name.trimmed();
    if (document.fonts.size() < m_maxFonts) {
        m_codePages.insert(m_entry.number, codePageForCharset(m_entry.charset));
        document.fonts.append(m_entry);
    }
    m_entry = FontEntry{};
}

} // namespace tarvek::rtf
