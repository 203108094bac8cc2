#pragma once
// What a port number means on Windows, as the settings description tells
// it: port n is COMn (serial/PortNumberingWindows.cpp). Its POSIX twin is
// ../posix/PortNumberFormat.h; CMake puts the folder of this system on the
// include path.
#include <QLatin1StringView>

namespace tarvek::config
{

inline constexpr QLatin1StringView kPortNumberFormat{"1 digit, the serial port number (1 is COM1)"};

} // namespace tarvek::config
