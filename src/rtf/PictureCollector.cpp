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

} // namespace

PictureCollector::PictureCollector(const ReadLimits &limits) : m_limits(limits)
{
}

void PictureCollector::start()
{
    *this = PictureCollector(m_limits);
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
        if (m_data.size() > m_limits.maxPictureBytes) {
            checkSize();
            return;
        }
    }
}

void PictureCollector::appendBinary(std::string_view bytes)
{
    if (!collecting())
        return;
    if (m_data.size() + qsizetype(bytes.size()) > m_limits.maxPictureBytes) {
        m_tooLarge = true;
        m_data = QByteArray();
        return;
    }
    m_data.append(bytes.data(), qsizetype(bytes.size()));
}

void PictureCollector::checkSize()
{
    if (m_data.size() > m_limits.maxPictureBytes) {
        m_tooLarge = true;
        m_data = QByteArray();
    }
}

// Twips, kept within what a page can show.
int PictureCollector::scaledTwips(int goal, int percent) const
{
    const long long scale = std::clamp(percent, 1, m_limits.maxPictureScale);
    const long long value = static_cast<long long>(goal) * scale / 100;
    return static_cast<int>(std::clamp(value, 0LL, static_cast<long long>(m_limits.maxTwips)));
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
