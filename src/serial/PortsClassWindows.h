#pragma once
// The devices of SetupAPI's ports class (GUID_DEVCLASS_PORTS) that are
// present, with the COM name in each one's device key. Windows only.
#include <QString>

#include <functional>
#include <windows.h>
// After windows.h, which it needs.
#include <setupapi.h>

namespace tarvek::serial
{

using PortDeviceVisit =
    std::function<bool(HDEVINFO devices, SP_DEVINFO_DATA &device, const QString &comName)>;

// Calls `visit` with each device and its port name (empty when it has none),
// until `visit` returns true.
void forEachPortDevice(const PortDeviceVisit &visit);

} // namespace tarvek::serial
