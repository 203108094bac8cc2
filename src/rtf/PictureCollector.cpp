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

PictureCollector::PictureCollector(qsizetype maxBytes) : maxBytes_(maxBytes)
{
}

void PictureCollector::start()
{
    *this = PictureCollector(maxBytes_);
}

void PictureCollector::setFormat(Keyword formatWord)
{
    if (formatWord == Keyword::PngBlip)
        format_ = Format::Png;
    else if (formatWord == Keyword::JpegBlip)
        format_ = Format::Jpeg;
    else
        format_ = Format::Unsupported;
    if (format_ == Format::Unsupported)
        data_ = QByteArray();
}

void PictureCollector::setSize(Keyword sizeWord, int value)
{
    switch (sizeWord) {
    case Keyword::PicWidthGoal:
        widthGoal_ = value;
        break;
    case Keyword::PicHeightGoal:
        heightGoal_ = value;
        break;
    case Keyword::PicScaleX:
        scaleX_ = value;
        break;
    case Keyword::PicScaleY:
        scaleY_ = value;
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
        if (pendingNibble_ < 0) {
            pendingNibble_ = digit;
            continue;
        }
        data_.append(static_cast<char>(pendingNibble_ * 16 + digit));
        pendingNibble_ = -1;
        if (data_.size() > maxBytes_) {
            checkSize();
            return;
        }
    }
}

void PictureCollector::appendBinary(std::string_view bytes)
{
    if (!collecting())
        return;
    if (data_.size() + qsizetype(bytes.size()) > maxBytes_) {
        tooLarge_ = true;
        data_ = QByteArray();
        return;
    }
    data_.append(bytes.data(), qsizetype(bytes.size()));
}

void PictureCollector::checkSize()
{
    if (data_.size() > maxBytes_) {
        tooLarge_ = true;
        data_ = QByteArray();
    }
}

std::optional<Picture> PictureCollector::finish()
{
    if (!collecting() || data_.isEmpty())
        return std::nullopt;
    const bool png = startsWith(data_, "\x89PNG");
    const bool jpeg = startsWith(data_, "\xFF\xD8");
    if (format_ == Format::Unknown && !png && !jpeg)
        return std::nullopt;
    Picture picture;
    picture.kind = (format_ == Format::Jpeg || (format_ == Format::Unknown && jpeg))
                       ? Picture::Kind::Jpeg
                       : Picture::Kind::Png;
    picture.data = std::move(data_);
    picture.widthTwips = scaledTwips(widthGoal_, scaleX_);
    picture.heightTwips = scaledTwips(heightGoal_, scaleY_);
    return picture;
}

} // namespace tarvek::rtf
