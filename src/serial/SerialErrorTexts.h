#pragma once
// The serial errors' descriptions, which the operator reads in the serial
// error box and tarvek-cli prints: one text each, whichever system's port
// code finds the fault. `device` is the device path or COMn name; `reason`
// the system's own words.
#include <QString>

namespace tarvek::serial::texts
{

inline QString invalidPortNumber()
{
    return QStringLiteral("Invalid port number");
}

// Every text that says a port is not there begins so: the port number's
// "No serial port 3: 2 ports found" and the device's "No serial port COM12
// (...)".
inline QString noSuchPortStart()
{
    return QStringLiteral("No serial port ");
}

// Port number `number` beyond the `count` ports the system numbers.
inline QString noSuchPortNumber(int number, qsizetype count)
{
    return noSuchPortStart() +
           QStringLiteral("%1: %2 %3 found")
               .arg(number)
               .arg(count)
               .arg(count == 1 ? QStringLiteral("port") : QStringLiteral("ports"));
}

inline QString noSuchPort(const QString &device, const QString &reason)
{
    return noSuchPortStart() + QStringLiteral("%1 (%2)").arg(device, reason);
}

inline QString portInUse(const QString &device, const QString &reason)
{
    return QStringLiteral("Serial port %1 is in use by another program (%2)").arg(device, reason);
}

inline QString portInUse(const QString &device)
{
    return QStringLiteral("Serial port %1 is in use by another program").arg(device);
}

inline QString permissionDenied(const QString &device)
{
    return QStringLiteral("Permission denied opening %1.").arg(device);
}

// A failure's text, then what the system says of its cause and remedy.
inline QString withCause(const QString &failure, const QString &cause)
{
    if (cause.isEmpty())
        return failure;
    return failure + (failure.endsWith(u'.') ? QStringLiteral(" ") : QStringLiteral(". ")) + cause;
}

// The user may not open the device: on Debian the serial ports belong to the
// group dialout.
inline QString notInDialoutGroup(const QString &device)
{
    return QStringLiteral("Permission denied opening %1. Serial ports belong to the group "
                          "dialout: add your user to it with \"sudo usermod -aG dialout "
                          "$USER\", then log out and in again.")
        .arg(device);
}

// Requests that do not fit the port's state.
inline QString portNotClosed()
{
    return QStringLiteral("Operation valid only when the port is closed");
}

inline QString portAlreadyOpen()
{
    return QStringLiteral("Port already open");
}

inline QString portNotOpen()
{
    return QStringLiteral("Operation valid only when the port is open");
}

inline QString cannotOpen(const QString &device, const QString &reason)
{
    return QStringLiteral("Cannot open serial port %1: %2").arg(device, reason);
}

inline QString refusesLineSettings(const QString &device)
{
    return QStringLiteral("%1 does not accept 4800 baud, 8 data bits, no parity, 1 stop bit")
        .arg(device);
}

inline QString refusesLineSettings(const QString &device, const QString &reason)
{
    return QStringLiteral("%1 does not accept 4800 baud, 8 data bits, no parity, 1 stop bit (%2)")
        .arg(device, reason);
}

inline QString portGone(const QString &device, const QString &reason)
{
    return QStringLiteral("Serial port %1 is gone (unplugged or disconnected): %2")
        .arg(device, reason);
}

inline QString cannotWrite(const QString &device, const QString &reason)
{
    return QStringLiteral("Cannot write to %1: %2").arg(device, reason);
}

// A port that opened without an error yet reports itself closed. The window
// ends SEND quietly then, and tarvek-cli says it in its own words.
inline QString portStayedClosed()
{
    return QStringLiteral("The serial port did not open");
}

inline QString writeTimedOut(const QString &device)
{
    return QStringLiteral("Timed out writing to %1").arg(device);
}

} // namespace tarvek::serial::texts
