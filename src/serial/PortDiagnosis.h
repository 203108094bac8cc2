#pragma once
// Why a port can't be reached, and what to do: plain functions of what the
// system says (PortFacts), for the port list, the serial error box and
// tarvek-cli.
#include "PortFacts.h"

#include <QString>

namespace tarvek::serial
{

enum class PortCondition { Ready, InUse, NotAllowed, DriverProblem, Bluetooth, Missing };

struct PortState {
    PortCondition condition = PortCondition::Ready;
    QString detail; // who holds it, why it is not allowed, the driver's problem

    bool operator==(const PortState &) const = default;
};

// A port's state as the system reports it, without opening the port.
PortState portState(const QString &device, const PortFacts &facts);

// "ready", "in use by minicom (pid 4242)", "not allowed: ...",
// "driver problem: ...", "Bluetooth", "no such device".
QString stateText(const PortState &state);

enum class OpenFailure { PermissionDenied, Busy, Other };

// The cause and the remedy after opening `device` failed so, in sentences;
// empty when there is nothing to add to the system's own words.
QString diagnoseOpenFailure(OpenFailure failure, const QString &device, const PortFacts &facts);

// What is wrong when no usable port exists (an adapter without a port, say),
// with the remedy; empty when nothing is known.
QString diagnoseNoUsablePort(const PortFacts &facts);

} // namespace tarvek::serial
