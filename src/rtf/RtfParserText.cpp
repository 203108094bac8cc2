// Where decoded text goes: the body, a font name, the colour table, a list
// marker. Also the end of a picture.
#include "RtfParser.h"

namespace tarvek::rtf
{

int RtfParser::currentCodePage() const
{
    if (state().destination == Destination::Body ||
        state().destination == Destination::ListMarker) {
        const int font =
            state().character.font >= 0 ? state().character.font : m_document.defaultFont;
        const int fontCodePage = m_fonts.codePageOf(font);
        if (fontCodePage != 0)
            return fontCodePage;
    }
    return m_document.codePage;
}

void RtfParser::flushBytes()
{
    if (!m_pending.isEmpty())
        deliver(m_pending.take(currentCodePage()));
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
        m_fonts.appendText(text, m_document);
        return;
    case Destination::ColorTable:
        m_colors.appendText(text, m_document.colors);
        return;
    case Destination::ListMarker:
        if (m_marker.size() < 64)
            m_marker += text.left(64);
        return;
    default:
        return;
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

} // namespace tarvek::rtf
