// tarvek-cli ports: the port numbers that "Comm num:" and send --port use.
#include "Commands.h"
#include "Output.h"
#include "PortDiagnosis.h"
#include "PortListing.h"
#include "PortNumbers.h"

using namespace tarvek::serial;

namespace tarvek::cli
{

int runPorts(const Verb & /*verb*/, const VerbArguments & /*args*/)
{
    const std::vector<NumberedPort> ports = listNumberedPorts();
    const std::unique_ptr<PortFacts> facts = systemPortFacts();
    // What is wrong when no port can be used, and the remedy.
    const QString noUsablePort = diagnoseNoUsablePort(*facts);
    if (ports.empty()) {
        printText(QStringLiteral("No serial ports found (TARVEK_COM<n> names a device for port "
                                 "n)\n") +
                  (noUsablePort.isEmpty() ? QString() : noUsablePort + u'\n'));
        return ExitOk;
    }
    bool anyReady = false;
    QString out;
    for (const NumberedPort &numbered : ports) {
        const SystemPort &port = numbered.port;
        QStringList details;
        if (!port.description.isEmpty())
            details << port.description;
        if (!port.manufacturer.isEmpty())
            details << QStringLiteral("maker ") + port.manufacturer;
        if (!port.serialNumber.isEmpty())
            details << QStringLiteral("serial number ") + port.serialNumber;
        if (numbered.overridden)
            details << QStringLiteral("set by ") + portOverrideVariable(numbered.number);
        QString line = QStringLiteral("%1  %2").arg(numbered.number).arg(port.device);
        if (!details.isEmpty())
            line += QStringLiteral("  (") + details.join(QStringLiteral("; ")) + u')';
        const PortState state = portState(port.device, *facts);
        anyReady = anyReady || state.condition == PortCondition::Ready;
        line += QStringLiteral("  ") + stateText(state);
        out += escapeControls(line) + u'\n'; // a device's name is one line
    }
    if (!anyReady && !noUsablePort.isEmpty())
        out += escapeControls(noUsablePort) + u'\n';
    printOut(out);
    return ExitOk;
}

} // namespace tarvek::cli
