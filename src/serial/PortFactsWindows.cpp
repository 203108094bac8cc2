// What Windows says of serial devices without opening them, from SetupAPI's
// device list: each port's Device Manager status (a driver that failed to
// start, one that is missing), whether Bluetooth serves it, and the USB
// serial adapters that got no driver. Windows names no program holding a
// port; it only refuses the open.
#include "PortFacts.h"
#include "PortsClassWindows.h"

#include <array>
#include <cfgmgr32.h>

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
        forEachPortDevice([&](HDEVINFO, SP_DEVINFO_DATA &port, const QString &name) {
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
        forEachPortDevice([&](HDEVINFO devices, SP_DEVINFO_DATA &port, const QString &name) {
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
