#pragma once
// What the system says about serial devices and the user, gathered without
// opening any port: opening toggles the modem lines, and some devices reset
// on that. One interface, so that a diagnosis is a plain function of the
// answers and tests can give any answers they like.
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

namespace tarvek::serial
{

// A process that has a device open, or owns its lock file.
struct Holder {
    qint64 pid = 0;
    QString name; // the program's name, where the system shows it
};

// Who owns a device node and whether this process may read and write it.
struct DeviceAccess {
    bool exists = false;
    bool mayOpen = false; // this process may write to it
    QString ownerName;    // the owning user
    QString groupName;    // the owning group
    bool groupMayOpen = false;
    bool otherMayOpen = false;
    bool userInGroup = false;    // the group database lists the user in the group
    bool processInGroup = false; // this login already has the group
};

// A USB device that looks like a serial adapter.
struct UsbAdapter {
    QString vendorProduct; // "1a86:7523"
    QString product;       // the name it gives itself
    bool hasPort = false;  // a driver made a tty of it
};

class PortFacts
{
public:
    virtual ~PortFacts() = default;
    virtual DeviceAccess access(const QString &device) const = 0;
    // The processes holding `device` that this user may see, and the owner of
    // its lock file.
    virtual QList<Holder> holders(const QString &device) const = 0;
    virtual QList<UsbAdapter> usbAdapters() const = 0;
    // "vendor:product" of the USB device behind a tty, if any.
    virtual QString usbIdOf(const QString &device) const = 0;
    virtual bool brlttyInstalled() const = 0;
    virtual bool modemManagerRunning() const = 0;
    // Device Manager's problem with the port's driver, in words with its
    // code; empty when there is none (and on Linux).
    virtual QString driverProblem(const QString &device) const = 0;
    virtual bool isBluetooth(const QString &device) const = 0;
};

// Whether a USB "vendor:product" (lower-case hex) is one of the serial
// adapter chips users plug in most: FTDI, Silicon Labs CP210x, WCH
// CH340/CH341/CH9102, Prolific PL2303.
bool isUsbSerialAdapter(const QString &vendorProduct);

// The facts of this machine.
std::unique_ptr<PortFacts> systemPortFacts();

} // namespace tarvek::serial
