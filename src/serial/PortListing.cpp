#include "PortListing.h"

#include "PortNumberFormat.h"
#include "PortNumbering.h"
#include "PortNumbers.h"

#include <QProcessEnvironment>
#include <algorithm>

namespace tarvek::serial
{
namespace
{

const SystemPort *findByDevice(const std::vector<SystemPort> &ports, const QString &device)
{
    const auto it = std::find_if(ports.begin(), ports.end(),
                                 [&](const SystemPort &port) { return port.device == device; });
    return it == ports.end() ? nullptr : &*it;
}

// The system port that `path` names: by its device path or its stable link.
const SystemPort *findByPath(const std::vector<SystemPort> &ports, const QString &path)
{
    if (const SystemPort *port = findByDevice(ports, path))
        return port;
    const auto it = std::find_if(ports.begin(), ports.end(), [&](const SystemPort &port) {
        return !port.stableLink.isEmpty() && port.stableLink == path;
    });
    return it == ports.end() ? nullptr : &*it;
}

// TARVEK_COM<n> variables with a value, by n. Numbers a port number cannot
// take (see portNumberFromText) are left out.
QMap<int, QString> environmentOverrides()
{
    const QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    QMap<int, QString> overrides;
    for (const QString &key : environment.keys()) {
        const std::optional<int> number = overriddenPortNumber(key);
        const QString device = environment.value(key);
        if (number && !device.isEmpty())
            overrides.insert(*number, device);
    }
    return overrides;
}

} // namespace

std::vector<NumberedPort> numberPorts(const std::vector<SystemPort> &system,
                                      const QMap<int, QString> &overrides)
{
    QStringList devices;
    for (const SystemPort &port : system)
        devices << port.device;
    QMap<int, NumberedPort> numbered;
    const QMap<int, QString> systemNumbers = numberSystemDevices(devices);
    for (auto it = systemNumbers.cbegin(); it != systemNumbers.cend(); ++it)
        numbered.insert(it.key(), {it.key(), *findByDevice(system, it.value()), false});
    for (auto it = overrides.cbegin(); it != overrides.cend(); ++it) {
        const SystemPort *known = findByPath(system, it.value());
        numbered.insert(it.key(), {it.key(), known ? *known : SystemPort{it.value(), {}, {}, {}},
                                   true, known != nullptr});
    }
    return {numbered.cbegin(), numbered.cend()};
}

std::vector<NumberedPort> listNumberedPorts()
{
    return numberPorts(systemSerialPorts(), environmentOverrides());
}

QStringList portDetails(const NumberedPort &numbered)
{
    const SystemPort &port = numbered.port;
    QStringList details;
    if (!port.description.isEmpty())
        details << port.description;
    if (!port.manufacturer.isEmpty())
        details << QStringLiteral("maker ") + port.manufacturer;
    if (!port.serialNumber.isEmpty())
        details << QStringLiteral("serial number ") + port.serialNumber;
    if (!port.stableLink.isEmpty() && port.stableLink != port.device)
        details << port.stableLink;
    if (numbered.overridden)
        details << QStringLiteral("set by ") + portOverrideVariable(numbered.number);
    return details;
}

QString portsThereAre(const std::vector<NumberedPort> &ports)
{
    QStringList entries;
    QStringList absent;
    for (const NumberedPort &numbered : ports) {
        if (!numbered.reported) {
            absent << QStringLiteral("TARVEK_COM%1 names %2, which the system does not report")
                          .arg(numbered.number)
                          .arg(numbered.port.device);
            continue;
        }
        QString entry = QStringLiteral("%1 = %2").arg(numbered.number).arg(numbered.port.device);
        if (!numbered.port.description.isEmpty())
            entry += QStringLiteral(" (%1)").arg(numbered.port.description);
        else if (numbered.overridden)
            entry += QStringLiteral(" (%1)").arg(portOverrideVariable(numbered.number));
        entries << entry;
    }
    QString told =
        entries.isEmpty()
            ? QStringLiteral("The system reports no serial port.")
            : QStringLiteral("The system reports: %1.").arg(entries.join(QStringLiteral(", ")));
    if (!absent.isEmpty())
        told += u' ' + absent.join(QStringLiteral("; ")) + u'.';
    return told + u' ' + QString(config::kPortNumberHelp);
}

} // namespace tarvek::serial
