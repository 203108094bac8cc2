// The system's serial ports on Windows: the values of the registry key
// HARDWARE\DEVICEMAP\SERIALCOMM, where every serial driver enters its ports
// while they are present. A value's data is the port's name (COM3), its name
// the driver's device (\Device\Serial0, \Device\VCP0), which is all the
// registry tells of it.
#include "SystemPorts.h"

#include <array>
#include <windows.h>

namespace tarvek::serial
{

std::vector<SystemPort> systemSerialPorts()
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

} // namespace tarvek::serial
