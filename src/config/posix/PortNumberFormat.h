#pragma once
// What a port number means on POSIX systems, as the settings description
// tells it: the n-th serial port in the order serial/PortNumberingPosix.cpp
// gives them. Its Windows twin is ../windows/PortNumberFormat.h; CMake puts
// the folder of this system on the include path.
#include <QLatin1StringView>

namespace tarvek::config
{

inline constexpr QLatin1StringView kPortNumberFormat{
    "1 digit, the N-th serial port the system reports, USB adapters first "
    "(1 is normally /dev/ttyUSB0; tarvek-cli ports lists them)"};

} // namespace tarvek::config
