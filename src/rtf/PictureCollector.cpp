#include "PictureCollector.h"

#include "RtfTokenizer.h"

#include <algorithm>

namespace tarvek::rtf
{

namespace
{

bool startsWith(const QByteArray &data, std::string_view magic)
{
    return data.startsWith(QByteArrayView(magic.data(), qsizetype(magic.size())));
}

// Twips, kept within what a page can show (a 22-inch page is 31680 twips).
int scaledTwips(int goal, int percent)
{
    const long long value = static_cast<long long>(goal) * std::clamp(percent, 1, 1000) / 100;
    return static_cast<int>(std::clamp(value, 0LL, 31680LL));
}

} // namespace

PictureCollector::PictureCollector(qsizetype maxBytes) : m_maxBytes(maxBytes)
{
}

void PictureCollector::start()
{
    *this = PictureCollector(m_maxBytes);
}

void PictureCollector::setFormat(Keyword formatWord)
{
    if (formatWord == Keyword::PngBlip)
        m_format = Format::Png;
    else if (formatWord == Keyword::JpegBlip)
        m_format = Format::Jpeg;
    else
        m_format = Format::Unsupported;
    if (m_format == Format::Unsupported)
        m_data = QByteArray();
}

void PictureCollector::setSize(Keyword sizeWord, int value)
{
    switch (sizeWord) {
    case Keyword::PicWidthGoal:
        m_widthGoal = value;
        break;
    case Keyword::PicHeightGoal:
        m_heightGoal = value;
        break;
    case Keyword::PicScaleX:
        m_scaleX = value;
        break;
    case Keyword::PicScaleY:
        m_scaleY = value;
        break;
    default:
        break;
    }
}

void PictureCollector::appendHex(std::string_view text)
{
    if (!collecting())
        return;
    for (const char c : text) {
        const int digit = hexDigitValue(c);
        if (digit < 0)
            continue;
        if (m_pendingNibble < 0) {
            m_pendingNibble = digit;
            continue;
        }
        m_data.append(static_cast<char>(m_pendingNibble * 16 + digit));
        m_pendingNibble = -1;
        if (m_data.size() > m_maxBytes) {
            checkSize();
            return;
        }
    }
}

void PictureCollector::appendBinary(std::string_view bytes)
{
    if (!collecting())
        return;
    if (m_data.size() + qsizetype(bytes.size()) > m_maxBytes) {
        m_tooLarge = true;
        m_data = QByteArray();
        return;
    }
    m_data.append(bytes.data(), qsizetype(bytes.size()));
}

void PictureCollector::checkSize()
{
    if (m_data.size() > m_maxBytes) {
        m_tooLarge = true;
        m_data = QByteArray();
    }
}

std::optional<Picture> PictureCollector::finish()
{
    if (!collecting() || m_data.isEmpty())
        return std::nullopt;
    const bool png = startsWith(m_data, "\x89PNG");
    const bool jpeg = startsWith(m_data, "\xFF\xD8");
    if (m_format == Format::Unknown && !png && !jpeg)
        return std::nullopt;
    Picture picture;
    picture.kind = (m_format == Format::Jpeg || (m_format == Format::Unknown && jpeg))
                       ? Picture::Kind::Jpeg
                       : Picture::Kind::Png;
    picture.data = std::move(m_data);
    picture.widthTwips = scaledTwips(m_widthGoal, m_scaleX);
    picture.heightTwips = scaledTwips(m_heightGoal, m_scaleY);
    return picture;
}

} // namespace tarvek::rtf
