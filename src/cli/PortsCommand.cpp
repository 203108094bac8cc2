// tarvek-cli ports: the port numbers that "Comm num:" and send --port use.
#include "Commands.h"
#include "Output.h"
#include "PortSurvey.h"

using namespace tarvek::serial;

namespace tarvek::cli
{

int runPorts(const Verb & /*verb*/, const VerbArguments & /*args*/)
{
    const PortSurvey survey = systemPortSource()->survey();
    // After the ports: what is wrong when none can be used, and the remedy.
    if (survey.ports.empty()) {
        printText(QStringLiteral("No serial ports found (TARVEK_COM<n> names a device for port "
                                 "n)\n") +
                  (survey.trouble.isEmpty() ? QString() : survey.trouble + u'\n'));
        return ExitOk;
    }
    // A device's name is one line: its control characters are written out.
    QString out;
    for (const SurveyedPort &surveyed : survey.ports) {
        const NumberedPort &numbered = surveyed.numbered;
        QString line = QStringLiteral("%1  %2").arg(numbered.number).arg(numbered.port.device);
        if (const QStringList details = portDetails(numbered); !details.isEmpty())
            line += QStringLiteral("  (") + details.join(QStringLiteral("; ")) + u')';
        line += QStringLiteral("  ") + stateText(surveyed.state);
        out += escapeControls(line) + u'\n';
    }
    if (!survey.trouble.isEmpty())
        out += escapeControls(survey.trouble) + u'\n';
    printOut(out);
    return ExitOk;
}

} // namespace tarvek::cli
