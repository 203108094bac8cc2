// The system's serial ports on Linux, through QSerialPortInfo, with udev's
// stable name of each from /dev/serial/by-id.
#include "SystemPorts.h"

#include "DeviceLinks.h"

#include <QFileInfo>
#include <QSerialPortInfo>

namespace tarvek::serial
{

std::vector<SystemPort> systemSerialPorts()
{
    const QMap<QString, QString> links = deviceLinks(kSerialByIdFolder);
    std::vector<SystemPort> ports;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts()) {
        const QString device = info.systemLocation();
        ports.push_back({device, info.description(), info.manufacturer(), info.serialNumber(),
                         links.value(QFileInfo(device).canonicalFilePath())});
    }
    return ports;
}

} // namespace tarvek::serial
