#pragma once
// How the window's "Comm num:" (and tarvek-cli send --port N) becomes a
// device. On Windows N is COMN. Elsewhere N counts the serial ports the
// system reports: USB serial adapters first (ttyUSB0, ttyUSB1, ...), then USB
// modems (ttyACM*), then on-board ports with hardware behind them (ttyS*),
// each group in numeric order, then any other kind by name; so 1 is normally
// the adapter just plugged in. TARVEK_COM<N>, holding a device path,
// overrides the mapping of N.
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace tarvek::serial
{

struct PortLookup {
    QString device; // the device path (or COMn name) when found
    QString reason; // why there is none, e.g. "No serial port 3: 2 ports found"

    bool ok() const { return reason.isEmpty(); }
};

// The port number in the text of "Comm num:": its numeric reading taken to
// the nearest whole number (ties to even), as a 16-bit whole number. Empty
// when the value does not fit 16 bits.
std::optional<int> portNumberFromText(const QString &text);

// Puts device paths (or bare names such as "ttyUSB0") in port-number order.
QStringList orderSerialPorts(QStringList devices);

// The environment variable that names the device of port `number`:
// TARVEK_COM<number>.
QString portOverrideVariable(int number);

// The port number whose device the environment variable `name` would name,
// or empty when `name` is not TARVEK_COM<n> for a number n that a port
// number can take (1 to 32767, no leading zero).
std::optional<int> overriddenPortNumber(const QString &name);

// Looks up the environment variable by name; empty when unset.
using EnvironmentLookup = std::function<QString(const QString &name)>;

// The device for port `number` among the system's `devices` (in any order),
// unless the environment overrides it. Numbers below 1 give
// "Invalid port number".
PortLookup mapPortNumber(int number, const QStringList &devices,
                         const EnvironmentLookup &environment);

// The same, with the ports the system reports now and the process
// environment.
PortLookup resolvePortNumber(int number);

// For the "Comm num:" tooltip: the device that the field's text means now,
// with the system's name for it where there is one, or the reason there is
// none.
QString describePortNumber(const QString &commText);

} // namespace tarvek::serial
