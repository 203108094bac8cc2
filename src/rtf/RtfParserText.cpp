// Where decoded text goes: the body, a font name, the colour table, a list
// marker. Also the ends of the destinations that collect something.
#include "RtfParser.h"

namespace tarvek::rtf
{

namespace
{

// Bytes below 32 in the text (other than a tab) are damage, not content.
void dropControlCharacters(QString &text)
{
    text.removeIf([](QChar c) { return c.unicode() < 0x20 && c != u'\t'; });
}

} // namespace

int RtfParser::currentCodePage() const
{
    if (state().destination == Destination::Body ||
        state().destination == Destination::ListMarker) {
        const int font =
            state().character.font >= 0 ? state().character.font : m_document.defaultFont;
        const int fontCodePage = m_fontCodePages.value(font, 0);
        if (fontCodePage != 0)
            return fontCodePage;
    }
    return m_document.codePage;
}

void RtfParser::flushBytes()
{
    if (m_pendingBytes.empty())
        return;
    QString text;
    bool ascii = true;
    for (const char c : m_pendingBytes)
        ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (ascii && currentCodePage() != kSymbolCodePage)
        text = QString::fromLatin1(m_pendingBytes.data(), qsizetype(m_pendingBytes.size()));
    else
        m_decoders.forCodePage(currentCodePage()).append(m_pendingBytes, text);
    m_pendingBytes.clear();
    dropControlCharacters(text);
    deliver(text);
}

void RtfParser::deliverCharacter(char16_t character)
{
    flushBytes();
    deliver(QString(QChar(character)));
}

void RtfParser::deliver(const QString &text)
{
    switch (state().destination) {
    case Destination::Body:
        if (state().hidden)
            m_document.report.hiddenCharacters += int(std::min<qsizetype>(text.size(), 1 << 20));
        else
            m_assembler.appendText(text, state().character);
        return;
    case Destination::FontTable:
        deliverFontName(text);
        return;
    case Destination::ColorTable:
        deliverColorText(text);
        return;
    case Destination::ListMarker:
        if (m_marker.size() < 64)
            m_marker += text.left(64);
        return;
    default:
        return;
    }
}

void RtfParser::deliverFontName(const QString &text)
{
    qsizetype from = 0;
    while (from < text.size()) {
        const qsizetype semicolon = text.indexOf(u';', from);
        const qsizetype to = semicolon < 0 ? text.size() : semicolon;
        if (m_fontEntry.name.size() < 128)
            m_fontEntry.name += text.mid(from, std::min<qsizetype>(to - from, 128));
        if (semicolon < 0)
            return;
        finishFontEntry();
        from = semicolon + 1;
    }
}

void RtfParser::finishFontEntry()
{
    if (!m_fontEntryOpen)
        return;
    m_fontEntryOpen = false;
    m_fontEntry.name = m_fontEntry.name.trimmed();
    if (m_document.fonts.size() < 4096) {
        m_fontCodePages.insert(m_fontEntry.number, codePageForCharset(m_fontEntry.charset));
        m_document.fonts.append(m_fontEntry);
    }
    m_fontEntry = FontEntry{};
}

void RtfParser::deliverColorText(const QString &text)
{
    for (const QChar c : text) {
        if (c != u';' || m_document.colors.size() >= 4096)
            continue;
        m_document.colors.append(m_colorEntry);
        m_colorEntry = ColorEntry{};
    }
}

void RtfParser::finishPicture(const GroupState &closed)
{
    std::optional<Picture> picture = m_picture.finish();
    if (!picture || m_pictureBytes + picture->data.size() > m_limits.maxAllPictureBytes) {
        ++m_document.report.droppedPictures;
        return;
    }
    if (state().destination != Destination::Body || state().hidden)
        return;
    m_pictureBytes += picture->data.size();
    m_document.pictures.append(std::move(*picture));
    m_assembler.appendPicture(int(m_document.pictures.size()) - 1, closed.character);
}

void RtfParser::applyWordPadList()
{
    ParagraphFormat &format = state().paragraph;
    format.listKind = m_pnKind;
    format.listLevel = m_pnLevel;
}

} // namespace tarvek::rtf
