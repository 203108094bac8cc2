// tarvek-cli: the headless companion of the desktop program. It links the
// same domain libraries as the window, never QtWidgets/QtGui.
#include "Commands.h"
#include "Help.h"
#include "Output.h"
#include "Terminal.h"
#include "Utf8Locale.h"

#include <QCoreApplication>

int main(int argc, char **argv)
{
    tarvek::config::startOnUtf8Locale();
    tarvek::cli::useBinaryStandardStreams();
    QCoreApplication app(argc, argv);
    using namespace tarvek::cli;
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    if (args.isEmpty()) {
        printErr(usageText());
        return ExitUsage;
    }
    const QString verb = args.takeFirst();
    if (const QString help = verbHelp(verb); !help.isEmpty() && asksForHelp(args)) {
        printOut(help);
        return ExitOk;
    }
    if (verb == QLatin1String("encode"))
        return runEncode(args);
    if (verb == QLatin1String("save"))
        return runSave(args);
    if (verb == QLatin1String("position"))
        return runPosition(args);
    if (verb == QLatin1String("send"))
        return runSend(args);
    if (verb == QLatin1String("decode"))
        return runDecode(args);
    if (verb == QLatin1String("settings"))
        return runSettings(args);
    if (verb == QLatin1String("ports"))
        return runPorts(args);
    if (verb == QLatin1String("--version")) {
        printOut(QStringLiteral("tarvek-cli " TARVEK_VERSION "\n"));
        return ExitOk;
    }
    if (verb == QLatin1String("--help") || verb == QLatin1String("-h")) {
        printOut(usageText());
        return ExitOk;
    }
    printErr(QStringLiteral("tarvek-cli: unknown verb '%1'\n").arg(verb) + usageText());
    return ExitUsage;
}
