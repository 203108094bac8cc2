#include "WireDecoder.h"

#include "Frames.h"

#include <algorithm>
#include <vector>

using namespace tarvek::config;

namespace tarvek::serial
{
namespace
{

using Bytes = std::vector<std::uint8_t>;

// Checks the preamble and the checksum of frame `index` (0 or 1) of a capture.
QString checkFrame(const Bytes &capture, int index)
{
    const int start = index * (kPreambleSize + kFrameSize);
    const std::uint8_t *preamble = capture.data() + start;
    if (!std::equal(kPreamble.begin(), kPreamble.end(), preamble))
        return QStringLiteral("preamble %1 is %2 %3, expected 255 255")
            .arg(index + 1)
            .arg(preamble[0])
            .arg(preamble[1]);
    const std::uint8_t *data = preamble + kPreambleSize;
    const std::uint8_t expected = frameChecksum(data, kFrameDataSize);
    const std::uint8_t found = data[kFrameDataSize];
    if (found != expected)
        return QStringLiteral("checksum of frame %1 is %2, expected %3")
            .arg(index + 1)
            .arg(found)
            .arg(expected);
    return QString();
}

} // namespace

ParsedCapture parseCapture(const QByteArray &bytes)
{
    ParsedCapture parsed;
    const Bytes raw(bytes.begin(), bytes.end());
    if (bytes.size() == kConfigBlockSize) {
        std::copy_n(raw.begin(), kConfigBlockSize, parsed.block.begin());
        return parsed;
    }
    if (bytes.size() != kWireSize) {
        parsed.reason = QStringLiteral("%1 bytes: expected %2 (an upload as captured on the "
                                       "line) or %3 (a configuration block)")
                            .arg(bytes.size())
                            .arg(kWireSize)
                            .arg(kConfigBlockSize);
        return parsed;
    }
    for (int frame = 0; frame < 2; ++frame) {
        parsed.reason = checkFrame(raw, frame);
        if (!parsed.ok())
            return parsed;
        const int data = frame * (kPreambleSize + kFrameSize) + kPreambleSize;
        std::copy_n(raw.begin() + data, kFrameDataSize,
                    parsed.block.begin() + frame * kFrameDataSize);
    }
    return parsed;
}

} // namespace tarvek::serial
