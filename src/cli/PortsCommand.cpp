// tarvek-cli ports: the port numbers that "Comm num:" and send --port use.
#include "Commands.h"
#include "Output.h"
#include "PortListing.h"

namespace tarvek::cli
{

int RunPorts(const QStringList &args)
{
    if (!args.isEmpty()) {
        PrintErr(QStringLiteral("tarvek-cli ports: unexpected argument \"%1\"\n"
                                "usage: tarvek-cli ports\n")
                     .arg(args.first()));
        return ExitUsage;
    }
    const std::vector<NumberedPort> ports = ListNumberedPorts();
    if (ports.empty()) {
        PrintOut(QStringLiteral("No serial ports found (TARVEK_COM<n> names a device for port "
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
            details << QStringLiteral("set by TARVEK_COM%1").arg(numbered.number);
        out += QStringLiteral("%1  %2").arg(numbered.number).arg(port.device);
        if (!details.isEmpty())
            out += QStringLiteral("  (") + details.join(QStringLiteral("; ")) + u')';
        out += u'\n';
    }
    PrintOut(out);
    return ExitOk;
}

} // namespace tarvek::cli
