#include "PortDiagnosis.h"

#include <QFileInfo>

namespace tarvek::serial
{
namespace
{

QString deviceName(const QString &device)
{
    return QFileInfo(device).fileName();
}

// "minicom (pid 4242), screen (pid 17)".
QString holderList(const QList<Holder> &holders)
{
    QStringList named;
    for (const Holder &holder : holders) {
        named << (holder.name.isEmpty()
                      ? QStringLiteral("pid %1").arg(holder.pid)
                      : QStringLiteral("%1 (pid %2)").arg(holder.name).arg(holder.pid));
    }
    return named.join(QStringLiteral(", "));
}

QString addToGroup(const QString &group)
{
    return QStringLiteral("add your user to it with \"sudo usermod -aG %1 $USER\", then log out "
                          "and in again")
        .arg(group);
}

// Why this user may not open a device that exists, with the remedy; empty
// when the owner and group give no reason.
QString whyNotAllowed(const DeviceAccess &access)
{
    if (access.groupMayOpen && !access.groupName.isEmpty()) {
        if (access.userInGroup && !access.processInGroup)
            return QStringLiteral("You are in the group %1 that may open it, but this login "
                                  "started before you were added: log out and in again")
                .arg(access.groupName);
        if (!access.userInGroup)
            return QStringLiteral("It belongs to the group %1, which you are not in: %2")
                .arg(access.groupName, addToGroup(access.groupName));
    }
    if (!access.ownerName.isEmpty())
        return QStringLiteral("Only the user %1 may open it").arg(access.ownerName);
    return {};
}

bool isUsbModemPort(const QString &device)
{
    return deviceName(device).startsWith(QLatin1String("ttyACM"));
}

QString modemManagerAdvice(const QString &device, const PortFacts &facts)
{
    const QStringList id = facts.usbIdOf(device).split(u':');
    const QString rule = id.size() == 2
                             ? QStringLiteral("ATTRS{idVendor}==\"%1\", ATTRS{idProduct}==\"%2\", "
                                              "ENV{ID_MM_DEVICE_IGNORE}=\"1\"")
                                   .arg(id.at(0), id.at(1))
                             : QStringLiteral("ENV{ID_MM_DEVICE_IGNORE}=\"1\" for the device");
    return QStringLiteral("ModemManager is running: it probes a new USB modem port for some "
                          "seconds after it is plugged in. Wait a little and try again; to make "
                          "it leave the device alone, put the udev rule %1 in "
                          "/etc/udev/rules.d/99-tarvek.rules and plug the device in again.")
        .arg(rule);
}

QString sentence(const QString &text)
{
    return text.isEmpty() || text.endsWith(u'.') ? text : text + u'.';
}

} // namespace

bool isUsbSerialAdapter(const QString &vendorProduct)
{
    static const QStringList kIds = {
        QStringLiteral("0403:6001"), QStringLiteral("0403:6010"), QStringLiteral("0403:6011"),
        QStringLiteral("0403:6014"), QStringLiteral("0403:6015"), QStringLiteral("10c4:ea60"),
        QStringLiteral("10c4:ea70"), QStringLiteral("10c4:ea71"), QStringLiteral("1a86:7523"),
        QStringLiteral("1a86:5523"), QStringLiteral("1a86:7522"), QStringLiteral("1a86:55d4"),
        QStringLiteral("067b:2303"), QStringLiteral("067b:23a3"), QStringLiteral("067b:23c3"),
        QStringLiteral("067b:23d3"), QStringLiteral("067b:23f3"),
    };
    return kIds.contains(vendorProduct.toLower());
}

PortState portState(const QString &device, const PortFacts &facts)
{
    if (facts.isBluetooth(device))
        return {PortCondition::Bluetooth, {}};
    if (const QString problem = facts.driverProblem(device); !problem.isEmpty())
        return {PortCondition::DriverProblem, problem};
    const DeviceAccess access = facts.access(device);
    if (!access.exists)
        return {PortCondition::Missing, {}};
    if (!access.mayOpen)
        return {PortCondition::NotAllowed, whyNotAllowed(access)};
    const QList<Holder> holders = facts.holders(device);
    if (!holders.isEmpty())
        return {PortCondition::InUse, holderList(holders)};
    return {};
}

QString stateText(const PortState &state)
{
    switch (state.condition) {
    case PortCondition::Ready:
        return QStringLiteral("ready");
    case PortCondition::InUse:
        return QStringLiteral("in use by ") +
               (state.detail.isEmpty() ? QStringLiteral("another program") : state.detail);
    case PortCondition::NotAllowed:
        return state.detail.isEmpty() ? QStringLiteral("not allowed")
                                      : QStringLiteral("not allowed: ") + state.detail;
    case PortCondition::DriverProblem:
        return QStringLiteral("driver problem: ") + state.detail;
    case PortCondition::Bluetooth:
        return QStringLiteral("Bluetooth");
    case PortCondition::Missing:
        return QStringLiteral("no such device");
    }
    return {};
}

QString diagnoseOpenFailure(OpenFailure failure, const QString &device, const PortFacts &facts)
{
    if (const QString problem = facts.driverProblem(device); !problem.isEmpty())
        return QStringLiteral("Device Manager reports a driver problem: %1.").arg(problem);
    switch (failure) {
    case OpenFailure::PermissionDenied:
        return sentence(whyNotAllowed(facts.access(device)));
    case OpenFailure::Busy: {
        QStringList told;
        const QList<Holder> holders = facts.holders(device);
        told << (holders.isEmpty()
                     ? QStringLiteral("Another program has it open, such as a terminal or "
                                      "another radio or APRS program: close it, or choose "
                                      "another port.")
                     : QStringLiteral("It is held by %1: close that program, or choose another "
                                      "port.")
                           .arg(holderList(holders)));
        if (isUsbModemPort(device) && facts.modemManagerRunning())
            told << modemManagerAdvice(device, facts);
        return told.join(u' ');
    }
    case OpenFailure::Other:
        break;
    }
    return {};
}

QString diagnoseNoUsablePort(const PortFacts &facts)
{
    QStringList told;
    for (const UsbAdapter &adapter : facts.usbAdapters()) {
        if (adapter.hasPort)
            continue;
        QString text =
            QStringLiteral("The USB serial adapter %1%2 is plugged in but has no port.")
                .arg(adapter.vendorProduct, adapter.product.isEmpty()
                                                ? QString()
                                                : QStringLiteral(" (%1)").arg(adapter.product));
        if (facts.brlttyInstalled())
            text += QStringLiteral(" brltty, installed here, takes some USB serial adapters for "
                                   "braille displays: remove it with \"sudo apt-get remove "
                                   "brltty\", then unplug the adapter and plug it in again.");
        else
            text += QStringLiteral(" No driver took it: install the driver of the adapter's "
                                   "maker, or try another adapter.");
        told << text;
    }
    return told.join(u' ');
}

} // namespace tarvek::serial
