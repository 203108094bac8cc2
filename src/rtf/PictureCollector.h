#pragma once
// Gathers the bytes of one \pict group: hex digits or \bin data, the format
// word and the display size. Only PNG and JPEG are kept; other formats are
// not even decoded, and a picture larger than limits.maxPictureBytes is
// abandoned as soon as it passes it, so a huge picture costs time but no
// memory.
#include "RtfDocument.h"
#include "RtfKeywords.h"
#include "RtfReader.h"

#include <optional>
#include <string_view>

namespace tarvek::rtf
{

class PictureCollector
{
public:
    explicit PictureCollector(const ReadLimits &limits);

    void start();
    void setFormat(Keyword formatWord);
    void setSize(Keyword sizeWord, int value);
    void appendHex(std::string_view text);
    void appendBinary(std::string_view bytes);
    // The picture, or nothing when it was unsupported, damaged or too large.
    std::optional<Picture> finish();

private:
    enum class Format { Unknown, Png, Jpeg, Unsupported };
    bool collecting() const { return m_format != Format::Unsupported && !m_tooLarge; }
    void checkSize();
    int scaledTwips(int goal, int percent) const;

    ReadLimits m_limits; // a copy, so that start() can assign a new collector
    Format m_format = Format::Unknown;
    QByteArray m_data;
    int m_pendingNibble = -1;
    bool m_tooLarge = false;
    int m_widthGoal = 0;
    int m_heightGoal = 0;
    int m_scaleX = 100;
    int m_scaleY = 100;
};

} // namespace tarvek::rtf
