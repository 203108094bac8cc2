// The system's serial ports on Windows, with the names Device Manager shows.
//
// SetupAPI lists the devices of the ports class (GUID_DEVCLASS_PORTS) that
// are present: each with its port name (COM5) in its device key and its
// friendly name ("USB-SERIAL CH340 (COM5)") and maker among its properties.
// Not every serial driver enters its ports there, so the registry's
// HARDWARE\DEVICEMAP\SERIALCOMM, where every serial driver enters the ports
// it has now, adds the rest; of those only the driver's device
// (\Device\Serial0, \Device\VCP0) is known.
#include "SystemPorts.h"

#include "PortsClassWindows.h"

#include <QMap>
#include <QRegularExpression>
#include <array>
#include <windows.h>
// After windows.h: GUID_DEVCLASS_PORTS is defined here, not only declared.
#include <initguid.h>

#include <devguid.h>
#include <setupapi.h>

namespace tarvek::serial
{
namespace
{

bool isComName(const QString &name)
{
    static const QRegularExpression kComName(QStringLiteral("^COM[0-9]+$"));
    return kComName.match(name).hasMatch();
}

// A REG_SZ value of `key`; empty when it is missing or of another type.
QString stringValue(HKEY key, const wchar_t *name)
{
    std::array<wchar_t, 256> data{};
    DWORD bytes = (data.size() - 1) * sizeof(wchar_t); // the last stays 0
    DWORD type = 0;
    const LONG status =
        RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE *>(data.data()), &bytes);
    return status == ERROR_SUCCESS && type == REG_SZ
               ? QString::fromWCharArray(data.data()).trimmed()
               : QString();
}

// A text property of a device (SPDRP_FRIENDLYNAME, SPDRP_MFG).
QString deviceProperty(HDEVINFO devices, SP_DEVINFO_DATA &device, DWORD property)
{
    std::array<wchar_t, 256> data{};
    DWORD type = 0;
    const auto bytes = static_cast<DWORD>((data.size() - 1) * sizeof(wchar_t));
    if (!SetupDiGetDeviceRegistryPropertyW(devices, &device, property, &type,
                                           reinterpret_cast<BYTE *>(data.data()), bytes, nullptr) ||
        type != REG_SZ)
        return {};
    return QString::fromWCharArray(data.data()).trimmed();
}

QString portNameOf(HDEVINFO devices, SP_DEVINFO_DATA &device)
{
    const HKEY key =
        SetupDiOpenDevRegKey(devices, &device, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_QUERY_VALUE);
    if (key == INVALID_HANDLE_VALUE)
        return {};
    const QString name = stringValue(key, L"PortName");
    RegCloseKey(key);
    return name;
}

// The COM ports of the ports class (which also holds printer ports), by name.
QMap<QString, SystemPort> deviceManagerPorts()
{
    QMap<QString, SystemPort> ports;
    forEachPortDevice([&](HDEVINFO devices, SP_DEVINFO_DATA &device, const QString &name) {
        if (isComName(name))
            ports.insert(name, {name,
                                deviceProperty(devices, device, SPDRP_FRIENDLYNAME),
                                deviceProperty(devices, device, SPDRP_MFG),
                                {}});
        return false;
    });
    return ports;
}

// The ports of SERIALCOMM, each with its driver's device as description.
std::vector<SystemPort> serialCommPorts()
{
    std::vector<SystemPort> ports;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ, &key) !=
        ERROR_SUCCESS)
        return ports;
    for (DWORD index = 0;; ++index) {
        std::array<wchar_t, 256> name{};
        std::array<wchar_t, 256> data{};
        DWORD nameLength = name.size();
        DWORD dataBytes = (data.size() - 1) * sizeof(wchar_t);
        DWORD type = 0;
        const LONG status = RegEnumValueW(key, index, name.data(), &nameLength, nullptr, &type,
                                          reinterpret_cast<BYTE *>(data.data()), &dataBytes);
        if (status == ERROR_NO_MORE_ITEMS)
            break;
        if (status != ERROR_SUCCESS || type != REG_SZ)
            continue;
        const QString device = QString::fromWCharArray(data.data()).trimmed();
        if (!device.isEmpty())
            ports.push_back({device, QString::fromWCharArray(name.data(), nameLength), {}, {}});
    }
    RegCloseKey(key);
    return ports;
}

} // namespace

void forEachPortDevice(const PortDeviceVisit &visit)
{
    const HDEVINFO devices =
        SetupDiGetClassDevsW(&GUID_DEVCLASS_PORTS, nullptr, nullptr, DIGCF_PRESENT);
    if (devices == INVALID_HANDLE_VALUE)
        return;
    SP_DEVINFO_DATA device{};
    device.cbSize = sizeof(device);
    for (DWORD index = 0; SetupDiEnumDeviceInfo(devices, index, &device); ++index) {
        if (visit(devices, device, portNameOf(devices, device)))
            break;
    }
    SetupDiDestroyDeviceInfoList(devices);
}

std::vector<SystemPort> systemSerialPorts()
{
    QMap<QString, SystemPort> named = deviceManagerPorts();
    std::vector<SystemPort> ports;
    for (const SystemPort &port : serialCommPorts()) {
        const auto known = named.constFind(port.device);
        const bool hasName = known != named.cend() && !known->description.isEmpty();
        ports.push_back(hasName ? *known : port);
        named.remove(port.device);
    }
    for (const SystemPort &port : std::as_const(named))
        ports.push_back(port);
    return ports;
}

} // namespace tarvek::serial
