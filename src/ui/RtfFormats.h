#pragma once
// Turns the RTF model's formats into Qt text formats. Lengths in twips become
// document pixels (Twips.h), which is how a QTextDocument measures its margins
// and images.
#include "RtfDocument.h"

#include <QColor>
#include <QSizeF>
#include <QTextFormat>

#include <utility>
#include <vector>

namespace tarvek::ui
{

class RtfFormats
{
public:
    explicit RtfFormats(const rtf::Document &document);

    // Character formats repeat a lot; each distinct one is built once.
    const QTextCharFormat &charFormat(const rtf::CharFormat &format);
    QTextBlockFormat blockFormat(const rtf::ParagraphFormat &format) const;
    QTextTableFormat tableFormat(const rtf::Table &table, int columns) const;

    static QTextListFormat listFormat(const rtf::Paragraph &paragraph);
    static QSizeF pictureSize(const rtf::Picture &picture, QSize natural);

private:
    QTextCharFormat makeCharFormat(const rtf::CharFormat &format) const;
    QColor color(int index) const;

    const rtf::Document &m_document;
    std::vector<std::pair<rtf::CharFormat, QTextCharFormat>> m_cache;
    std::size_t m_lastHit = 0;
};

} // namespace tarvek::ui
