#pragma once
// The serial ports the system reports now, one implementation per system:
// SystemPortsPosix.cpp asks QSerialPortInfo (udev and sysfs) and reads
// /dev/serial/by-id, and SystemPortsWindows.cpp reads the registry's list of
// COM ports with Device Manager's names.
#include <QString>
#include <vector>

namespace tarvek::serial
{

// A serial port as the system reports it.
struct SystemPort {
    QString device; // the device path, or COMn on Windows
    QString description;
    QString manufacturer;
    QString serialNumber;
    // A link whose name stays with the device across replugging
    // (/dev/serial/by-id/usb-FTDI_...-if00-port0 on Linux); empty where none.
    QString stableLink{};

    bool operator==(const SystemPort &) const = default;
};

// In no particular order.
std::vector<SystemPort> systemSerialPorts();

} // namespace tarvek::serial
