#pragma once
// Gathers the bytes of one \pict group: hex digits or \bin data, the format
// word and the display size. Only PNG and JPEG are kept; other formats are
// not even decoded, and a picture larger than the limit is abandoned as soon
// as it passes it, so a huge picture costs time but no memory.
#include "RtfDocument.h"
#include "RtfKeywords.h"

#include <optional>
#include <string_view>

namespace tarvek::rtf
{

class PictureCollector
{
public:
    explicit PictureCollector(qsizetype maxBytes);

    void start();
    void setFormat(Keyword formatWord);
    void setSize(Keyword sizeWord, int value);
    void appendHex(std::string_view text);
    void appendBinary(std::string_view bytes);
    // The picture, or nothing when it was unsupported, damaged or too large.
    std::optional<Picture> finish();

private:
    enum class Format { Unknown, Png, Jpeg, Unsupported };
    bool collecting() const { return format_ != Format::Unsupported && !tooLarge_; }
    void checkSize();

    qsizetype maxBytes_;
    Format format_ = Format::Unknown;
    QByteArray data_;
    int pendingNibble_ = -1;
    bool tooLarge_ = false;
    int widthGoal_ = 0;
    int heightGoal_ = 0;
    int scaleX_ = 100;
    int scaleY_ = 100;
};

} // namespace tarvek::rtf
