// What Windows says of serial devices without opening them, from SetupAPI's
// device list: each port's Device Manager status (a driver that failed to
// start, one that is missing), whether Bluetooth serves it, and the USB
// serial adapters that got no driver. Windows names no program holding a
// port; it only refuses the open.
#include "PortFacts.h"

#include <array>
#include <windows.h>
// After windows.h: GUID_DEVCLASS_PORTS is defined here, not only declared.
#include <initguid.h>

#include <cfgmgr32.h>
#include <devguid.h>
#include <setupapi.h>

namespace tarvek::serial
{
namespace
{

// Device Manager's problem code, in its own words and with its remedy.
QString problemText(ULONG code)
{
    switch (code) {
    case CM_PROB_FAILED_START:
        return QStringLiteral("the driver failed to start (code 10); for a PL2303 adapter this is "
                              "usually a chip that the current driver does not support: install "
                              "the adapter maker's driver for it, or use another adapter");
    case CM_PROB_FAILED_INSTALL:
        return QStringLiteral("no driver is installed (code 28): install the adapter maker's "
                              "driver");
    default:
        return QStringLiteral("Device Manager code %1").arg(code);
    }
}

// The device's problem code, or 0.
ULONG problemOf(const SP_DEVINFO_DATA &device)
{
    ULONG status = 0;
    ULONG problem = 0;
    if (CM_Get_DevNode_Status(&status, &problem, device.DevInst, 0) != CR_SUCCESS)
        return 0;
    return (status & DN_HAS_PROBLEM) ? problem : 0;
}

QString instanceId(HDEVINFO devices, SP_DEVINFO_DATA &device)
{
    std::array<wchar_t, 512> id{};
    if (!SetupDiGetDeviceInstanceIdW(devices, &device, id.data(), DWORD(id.size() - 1), nullptr))
        return {};
    return QString::fromWCharArray(id.data());
}

QString portNameOf(HDEVINFO devices, SP_DEVINFO_DATA &device)
{
    const HKEY key =
        SetupDiOpenDevRegKey(devices, &device, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_QUERY_VALUE);
    if (key == INVALID_HANDLE_VALUE)
        return {};
    std::array<wchar_t, 64> data{};
    DWORD bytes = DWORD((data.size() - 1) * sizeof(wchar_t));
    DWORD type = 0;
    const LONG status = RegQueryValueExW(key, L"PortName", nullptr, &type,
                                         reinterpret_cast<BYTE *>(data.data()), &bytes);
    RegCloseKey(key);
    return status == ERROR_SUCCESS && type == REG_SZ ? QString::fromWCharArray(data.data())
                                                     : QString();
}

// Calls `visit` with each present device of the ports class and its COM
// name, until it returns true.
template <typename Visit> void forEachPort(Visit visit)
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

// "1a86:7523" from an instance id "USB\VID_1A86&PID_7523\5&...".
QString usbIdOfInstance(const QString &id)
{
    const qsizetype vid = id.indexOf(QLatin1String("VID_"), 0, Qt::CaseInsensitive);
    const qsizetype pid = id.indexOf(QLatin1String("PID_"), 0, Qt::CaseInsensitive);
    if (vid < 0 || pid < 0)
        return {};
    return (id.mid(vid + 4, 4) + u':' + id.mid(pid + 4, 4)).toLower();
}

class WindowsPortFacts final : public PortFacts
{
public:
    DeviceAccess access(const QString &) const override
    {
        DeviceAccess access;
        access.exists = access.mayOpen = true;
        return access;
    }
    QList<Holder> holders(const QString &) const override { return {}; }

    QList<UsbAdapter> usbAdapters() const override
    {
        QList<UsbAdapter> adapters;
        const HDEVINFO devices =
            SetupDiGetClassDevsW(nullptr, L"USB", nullptr, DIGCF_ALLCLASSES | DIGCF_PRESENT);
        if (devices == INVALID_HANDLE_VALUE)
            return adapters;
        SP_DEVINFO_DATA device{};
        device.cbSize = sizeof(device);
        for (DWORD index = 0; SetupDiEnumDeviceInfo(devices, index, &device); ++index) {
            const QString id = usbIdOfInstance(instanceId(devices, device));
            if (isUsbSerialAdapter(id))
                adapters << UsbAdapter{id, {}, problemOf(device) != CM_PROB_FAILED_INSTALL};
        }
        SetupDiDestroyDeviceInfoList(devices);
        return adapters;
    }

    QString usbIdOf(const QString &) const override { return {}; }
    bool brlttyInstalled() const override { return false; }
    bool modemManagerRunning() const override { return false; }

    QString driverProblem(const QString &device) const override
    {
        ULONG problem = 0;
        forEachPort([&](HDEVINFO, SP_DEVINFO_DATA &port, const QString &name) {
            if (name.compare(device, Qt::CaseInsensitive) != 0)
                return false;
            problem = problemOf(port);
            return true;
        });
        return problem ? problemText(problem) : QString();
    }

    bool isBluetooth(const QString &device) const override
    {
        bool bluetooth = false;
        forEachPort([&](HDEVINFO devices, SP_DEVINFO_DATA &port, const QString &name) {
            if (name.compare(device, Qt::CaseInsensitive) != 0)
                return false;
            bluetooth = instanceId(devices, port)
                            .startsWith(QLatin1String("BTHENUM\\"), Qt::CaseInsensitive);
            return true;
        });
        return bluetooth;
    }
};

} // namespace

std::unique_ptr<PortFacts> systemPortFacts()
{
    return std::make_unique<WindowsPortFacts>();
}

} // namespace tarvek::serial
