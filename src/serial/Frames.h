#pragma once
// The configuration block on the wire: two frames, each half of the block and
// a checksum, each announced by the two-byte preamble.
#include "ConfigBlock.h"

#include <QByteArray>
#include <array>
#include <cstdint>

namespace tarvek::serial
{

constexpr int kFrameDataSize = 57;
constexpr int kFrameSize = kFrameDataSize + 1;
static_assert(2 * kFrameDataSize == config::kConfigBlockSize, "two frames hold the block");
constexpr int kPreambleSize = 2;
constexpr int kWireSize = 2 * (kPreambleSize + kFrameSize);
constexpr std::uint8_t kPreambleByte = 255;
constexpr std::uint8_t kChecksumStart = 254;

using Preamble = std::array<std::uint8_t, kPreambleSize>;
constexpr Preamble kPreamble = {kPreambleByte, kPreambleByte};

// The preamble as the bytes written before each frame.
QByteArray preambleBytes();

// (254 + the sum of the bytes) modulo 256.
std::uint8_t frameChecksum(const std::uint8_t *data, int size);

// Frame 0 carries the block's first kFrameDataSize bytes, frame 1 the rest;
// each ends with its own checksum.
QByteArray buildFrame(const config::ConfigBlock &block, int frameIndex);

// Everything one upload puts on the line, in order: preamble, frame 1,
// preamble, frame 2.
QByteArray buildWire(const config::ConfigBlock &block);

} // namespace tarvek::serial
