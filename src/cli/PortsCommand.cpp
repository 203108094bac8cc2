// tarvek-cli ports: the port numbers that "Comm num:" and send --port use.
#include "Commands.h"
#include "Output.h"
#include "PortListing.h"
#include "PortNumbers.h"

using namespace tarvek::serial;

namespace tarvek::cli
{

int runPorts(const Verb & /*verb*/, const VerbArguments & /*args*/)
{
    const std::vector<NumberedPort> ports = listNumberedPorts();
    if (ports.empty()) {
        printOut(QStringLiteral("No serial ports found (TARVEK_COM<n> names a device for port "
                                "n)\n"));
        return ExitOk;
    }
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
        out += escapeControls(line) + u'\n'; // a device's name is one line
    }
    printOut(out);
    return ExitOk;
}

} // namespace tarvek::cli
