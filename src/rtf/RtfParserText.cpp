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
            state().character.font >= 0 ? state().character.font : document_.defaultFont;
        const int fontCodePage = fontCodePages_.value(font, 0);
        if (fontCodePage != 0)
            return fontCodePage;
    }
    return document_.codePage;
}

void RtfParser::flushBytes()
{
    if (pendingBytes_.empty())
        return;
    QString text;
    bool ascii = true;
    for (const char c : pendingBytes_)
        ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (ascii && currentCodePage() != kSymbolCodePage)
        text = QString::fromLatin1(pendingBytes_.data(), qsizetype(pendingBytes_.size()));
    else
        decoders_.forCodePage(currentCodePage()).append(pendingBytes_, text);
    pendingBytes_.clear();
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
            document_.report.hiddenCharacters += int(std::min<qsizetype>(text.size(), 1 << 20));
        else
            assembler_.appendText(text, state().character);
        return;
    case Destination::FontTable:
        deliverFontName(text);
        return;
    case Destination::ColorTable:
        deliverColorText(text);
        return;
    case Destination::ListMarker:
        if (marker_.size() < 64)
            marker_ += text.left(64);
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
        if (fontEntry_.name.size() < 128)
            fontEntry_.name += text.mid(from, std::min<qsizetype>(to - from, 128));
        if (semicolon < 0)
            return;
        finishFontEntry();
        from = semicolon + 1;
    }
}

void RtfParser::finishFontEntry()
{
    if (!fontEntryOpen_)
        return;
    fontEntryOpen_ = false;
    fontEntry_.name = fontEntry_.name.trimmed();
    if (document_.fonts.size() < 4096) {
        fontCodePages_.insert(fontEntry_.number, codePageForCharset(fontEntry_.charset));
        document_.fonts.append(fontEntry_);
    }
    fontEntry_ = FontEntry{};
}

void RtfParser::deliverColorText(const QString &text)
{
    for (const QChar c : text) {
        if (c != u';' || document_.colors.size() >= 4096)
            continue;
        document_.colors.append(colorEntry_);
        colorEntry_ = ColorEntry{};
    }
}

void RtfParser::finishPicture(const GroupState &closed)
{
    std::optional<Picture> picture = picture_.finish();
    if (!picture || pictureBytes_ + picture->data.size() > limits_.maxAllPictureBytes) {
        ++document_.report.droppedPictures;
        return;
    }
    if (state().destination != Destination::Body || state().hidden)
        return;
    pictureBytes_ += picture->data.size();
    document_.pictures.append(std::move(*picture));
    assembler_.appendPicture(int(document_.pictures.size()) - 1, closed.character);
}

void RtfParser::applyWordPadList()
{
    ParagraphFormat &format = state().paragraph;
    format.listKind = pnKind_;
    format.listLevel = pnLevel_;
}

} // namespace tarvek::rtf
