#pragma once
// What a port number means on POSIX systems, as the settings description
// tells it: the n-th serial port in the order serial/PortNumberingPosix.cpp
// gives them; and how a device gets the number wanted, told when a number
// has no device. Its Windows twin is ../windows/PortNumberFormat.h; CMake puts
// the folder of this system on the include path.
#include <QLatin1StringView>

namespace tarvek::config
{

inline constexpr QLatin1StringView kPortNumberFormat{
    "the N-th serial port the system reports, USB adapters first "
    "(1 is normally /dev/ttyUSB0; tarvek-cli ports lists them)"};

inline constexpr QLatin1StringView kPortNumberHelp{
    "Port numbers count USB adapters first, then USB modems, then on-board ports; "
    "the environment variable TARVEK_COM<n>, holding a device path, gives number n to "
    "any device."};

} // namespace tarvek::config
