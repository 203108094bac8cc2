#include "PortNumbers.h"

#include "NumericReading.h"
#include "PortNumbering.h"
#include "SerialErrorTexts.h"
#include "SystemPorts.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <limits>

using namespace tarvek::config;

namespace tarvek::serial
{
namespace
{

constexpr QLatin1StringView kOverridePrefix("TARVEK_COM");

// Sort key of a device: its group (USB adapters, USB modems, on-board
// ports, anything else), its number within the group, its name.
struct PortKey {
    int group;
    long long number;
    QString name;

    bool operator<(const PortKey &other) const
    {
        return std::tie(group, number, name) < std::tie(other.group, other.number, other.name);
    }
};

PortKey keyOf(const QString &device)
{
    static const QRegularExpression kNumberedTty(QStringLiteral("^tty(USB|ACM|S)(\\d+)$"));
    const QString name = device.mid(device.lastIndexOf(u'/') + 1);
    const QRegularExpressionMatch match = kNumberedTty.match(name);
    if (!match.hasMatch())
        return {3, 0, name};
    const QString kind = match.captured(1);
    const int group = kind == QLatin1String("USB") ? 0 : kind == QLatin1String("ACM") ? 1 : 2;
    return {group, match.captured(2).toLongLong(), name};
}

QString processEnvironment(const QString &name)
{
    return qEnvironmentVariable(name.toLatin1().constData());
}

QStringList systemDevices()
{
    QStringList devices;
    for (const SystemPort &port : systemSerialPorts())
        devices << port.device;
    return devices;
}

} // namespace

std::optional<int> portNumberFromText(const QString &text)
{
    const double value = roundHalfEven(readNumber(text));
    if (!std::isfinite(value) || value < std::numeric_limits<qint16>::min() ||
        value > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return static_cast<int>(value);
}

QStringList orderSerialPorts(QStringList devices)
{
    std::stable_sort(devices.begin(), devices.end(),
                     [](const QString &a, const QString &b) { return keyOf(a) < keyOf(b); });
    return devices;
}

QString portOverrideVariable(int number)
{
    return kOverridePrefix + QString::number(number);
}

std::optional<int> overriddenPortNumber(const QString &name)
{
    static const QRegularExpression kNumber(QStringLiteral("^[1-9][0-9]{0,4}$"));
    if (!name.startsWith(kOverridePrefix))
        return std::nullopt;
    const QString digits = name.mid(kOverridePrefix.size());
    if (!kNumber.match(digits).hasMatch())
        return std::nullopt;
    const int number = digits.toInt();
    if (number > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return number;
}

PortLookup mapPortNumber(int number, const QStringList &devices,
                         const EnvironmentLookup &environment)
{
    if (number < 1)
        return {QString(), texts::invalidPortNumber()};
    const QString overridden = environment(portOverrideVariable(number));
    if (!overridden.isEmpty())
        return {overridden, QString()};
    const QMap<int, QString> numbered = numberSystemDevices(devices);
    const auto found = numbered.constFind(number);
    return found != numbered.cend() ? PortLookup{*found, QString()}
                                    : lookupUnnumberedPort(number, numbered);
}

PortLookup resolvePortNumber(int number)
{
    // The override needs no look at the system's ports.
    const bool overridden =
        number >= 1 && !processEnvironment(portOverrideVariable(number)).isEmpty();
    const QStringList devices = number < 1 || overridden ? QStringList() : systemDevices();
    return mapPortNumber(number, devices, processEnvironment);
}

QString describePortNumber(const QString &commText)
{
    const std::optional<int> number = portNumberFromText(commText);
    if (!number)
        return texts::invalidPortNumber();
    const PortLookup lookup = resolvePortNumber(*number);
    if (!lookup.ok())
        return lookup.reason;
    // With the name the system gives the device where it has one, as
    // Windows' Device Manager shows it ("USB-SERIAL CH340 (COM5)").
    for (const SystemPort &port : systemSerialPorts()) {
        if (port.device == lookup.device && !port.description.isEmpty())
            return QStringLiteral("%1: %2").arg(lookup.device, port.description);
    }
    return lookup.device;
}

} // namespace tarvek::serial
