#pragma once
// The serial ports the system reports now, one implementation per system:
// SystemPortsPosix.cpp asks QSerialPortInfo (udev and sysfs), and
// SystemPortsWindows.cpp reads the registry's list of COM ports.
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
};

// In no particular order.
std::vector<SystemPort> systemSerialPorts();

} // namespace tarvek::serial
