#pragma once
// The list of port numbers as "Comm num:" and tarvek-cli send --port read
// them: each number with its device and what the system knows of it.
#include "SystemPorts.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <vector>

namespace tarvek::serial
{

struct NumberedPort {
    int number = 0;
    SystemPort port;         // the device and, where known, its details
    bool overridden = false; // TARVEK_COM<number> names the device
    bool reported = true;    // the system reports the device (an override's may be absent)

    bool operator==(const NumberedPort &) const = default;
};

// Numbers the system's ports in port-number order (see PortNumbers.h) and
// applies the overrides (number -> device path): an override replaces the
// device of its number, or adds the number. The details of an overriding
// device are those of the system port with that path or that stable link
// (an override may name a port by its /dev/serial/by-id link), if any.
// Sorted by number.
std::vector<NumberedPort> numberPorts(const std::vector<SystemPort> &system,
                                      const QMap<int, QString> &overrides);

// The same with the ports the system reports now and the TARVEK_COM<n>
// variables of the process environment.
std::vector<NumberedPort> listNumberedPorts();

// What the system calls the port, and where its number comes from, as
// "CP2102 USB to UART Bridge Controller", "maker Silicon Labs", "serial number
// 0001", its stable link, "set by TARVEK_COM2": the parts it has.
QStringList portDetails(const NumberedPort &numbered);

// What the operator is told after a text saying a port is not there: the
// ports there are, each as "1 = /dev/ttyUSB0 (its description)", the
// TARVEK_COM<n> variables that name a device the system does not report, and
// how a port gets the number wanted on this system.
QString portsThereAre(const std::vector<NumberedPort> &ports);

} // namespace tarvek::serial
