// What Windows says of serial devices without opening them. Windows reports
// a port held by another program only when it is opened, and names no
// holder; what its device list says of a port's driver comes with the port.
#include "PortFacts.h"

namespace tarvek::serial
{
namespace
{

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
    QList<UsbAdapter> usbAdapters() const override { return {}; }
    QString usbIdOf(const QString &) const override { return {}; }
    bool brlttyInstalled() const override { return false; }
    bool modemManagerRunning() const override { return false; }
};

} // namespace

std::unique_ptr<PortFacts> systemPortFacts()
{
    return std::make_unique<WindowsPortFacts>();
}

} // namespace tarvek::serial
