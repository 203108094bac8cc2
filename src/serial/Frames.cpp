#include "Frames.h"

using namespace tarvek::config;

namespace tarvek::serial
{

QByteArray preambleBytes()
{
    return {reinterpret_cast<const char *>(kPreamble.data()), kPreambleSize};
}

std::uint8_t frameChecksum(const std::uint8_t *data, int size)
{
    unsigned sum = kChecksumStart;
    for (int i = 0; i < size; ++i)
        sum = (sum + data[i]) & 0xFFu;
    return static_cast<std::uint8_t>(sum);
}

QByteArray buildFrame(const ConfigBlock &block, int frameIndex)
{
    const std::uint8_t *data = block.data() + frameIndex * kFrameDataSize;
    QByteArray frame(reinterpret_cast<const char *>(data), kFrameDataSize);
    frame.append(static_cast<char>(frameChecksum(data, kFrameDataSize)));
    return frame;
}

QByteArray buildWire(const ConfigBlock &block)
{
    const QByteArray preamble = preambleBytes();
    QByteArray wire;
    wire.reserve(kWireSize);
    for (int frame = 0; frame < 2; ++frame)
        wire += preamble + buildFrame(block, frame);
    return wire;
}

} // namespace tarvek::serial
