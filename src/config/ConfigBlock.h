#pragma once
// The 114-byte image of the whole configuration that the tracker receives.
#include <array>
#include <cstdint>

namespace tarvek
{

constexpr int kConfigBlockSize = 114;
using ConfigBlock = std::array<std::uint8_t, kConfigBlockSize>;

// Start of each field in the block.
namespace offset
{
constexpr int TxDelay = 0;
constexpr int MsgRetries = 1;
constexpr int MsgOptions = 2;
constexpr int SymbolCode = 3;
constexpr int SymbolTable = 4;
constexpr int GpsCheckInterval = 5;
constexpr int SpeedTable = 6;
constexpr int ManualInterval = 13;
constexpr int GpsAcqTimeout = 14;
constexpr int StatusEvery = 15;
constexpr int MyCall = 16;
constexpr int Digi1 = 23;
constexpr int Digi2 = 30;
constexpr int StatusText = 38;
constexpr int DestCall = 68;
constexpr int Message = 75;
} // namespace offset

// Byte 5 in GPSless Mode, when the acquisition timeout is 0.
constexpr std::uint8_t kGpslessMarker = 252;

} // namespace tarvek
