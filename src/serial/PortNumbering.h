#pragma once
// How this system gives the serial ports it reports their numbers, one
// implementation per system: PortNumberingPosix.cpp counts them in the order
// of orderSerialPorts, PortNumberingWindows.cpp reads n from COMn.
#include "PortNumbers.h"

#include <QMap>
#include <QString>
#include <QStringList>

namespace tarvek::serial
{

// The numbers of `devices` (device paths, or COMn names on Windows): number
// -> device. Devices the system would not number are left out.
QMap<int, QString> numberSystemDevices(const QStringList &devices);

// What port `number` (1 or more) is when no device of `numbered` has it and
// no override names one.
PortLookup lookupUnnumberedPort(int number, const QMap<int, QString> &numbered);

} // namespace tarvek::serial
