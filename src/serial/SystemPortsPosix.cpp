// The system's serial ports on Linux, through QSerialPortInfo.
#include "SystemPorts.h"

#include <QSerialPortInfo>

namespace tarvek::serial
{

std::vector<SystemPort> systemSerialPorts()
{
    std::vector<SystemPort> ports;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts())
        ports.push_back(
            {info.systemLocation(), info.description(), info.manufacturer(), info.serialNumber()});
    return ports;
}

} // namespace tarvek::serial
