#pragma once
// The 114-byte image of the whole configuration that the tracker receives.
#include <array>
#include <cstdint>

namespace tarvek::config
{

constexpr int kConfigBlockSize = 114;
using ConfigBlock = std::array<std::uint8_t, kConfigBlockSize>;

// Start of each field in the block.
namespace offset
{
constexpr int kTxDelay = 0;
constexpr int kMsgRetries = 1;
constexpr int kMsgOptions = 2;
constexpr int kSymbolCode = 3;
constexpr int kSymbolTable = 4;
constexpr int kGpsCheckInterval = 5;
constexpr int kSpeedTable = 6;
constexpr int kManualInterval = 13;
constexpr int kGpsAcqTimeout = 14;
constexpr int kStatusEvery = 15;
constexpr int kMyCall = 16;
constexpr int kDigi1 = 23;
constexpr int kDigi2 = 30;
constexpr int kStatusText = 38;
constexpr int kDestCall = 68;
constexpr int kMessage = 75;
} // namespace offset

// How a byte carries a timing: the TX delay as flags, 0.15 of them a
// millisecond; an interval in tens of seconds.
constexpr double kFlagsPerMillisecond = 0.15;
constexpr double kSecondsPerIntervalStep = 10.0;

// Byte 5 in GPSless Mode, when the acquisition timeout is 0.
constexpr std::uint8_t kGpslessMarker = 252;

} // namespace tarvek::config
