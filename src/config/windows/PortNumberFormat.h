#pragma once
// What a port number means on Windows, as the settings description tells
// it: port n is COMn (serial/PortNumberingWindows.cpp); and how a port gets
// the number wanted, told when a number has no device. Its POSIX twin is
// ../posix/PortNumberFormat.h; CMake puts the folder of this system on the
// include path.
#include <QLatin1StringView>

namespace tarvek::config
{

inline constexpr QLatin1StringView kPortNumberFormat{
    "the serial port number (1 is COM1, 12 is COM12)"};

inline constexpr QLatin1StringView kPortNumberHelp{
    "Port number n is COMn, 1 to 255; the environment variable TARVEK_COM<n>, holding a port "
    "name such as COM12, gives number n to any port."};

} // namespace tarvek::config
