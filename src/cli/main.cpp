// tarvek-cli: the headless companion of the desktop program. It links the
// same domain libraries as the window, never QtWidgets/QtGui.
#include "Commands.h"
#include "Help.h"
#include "Output.h"

#include <QCoreApplication>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    using namespace tarvek::cli;
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    if (args.isEmpty()) {
        PrintErr(UsageText());
        return ExitUsage;
    }
    const QString verb = args.takeFirst();
    if (const QString help = VerbHelp(verb); !help.isEmpty() && AsksForHelp(args)) {
        PrintOut(help);
        return ExitOk;
    }
    if (verb == QLatin1String("encode"))
        return RunEncode(args);
    if (verb == QLatin1String("save"))
        return RunSave(args);
    if (verb == QLatin1String("position"))
        return RunPosition(args);
    if (verb == QLatin1String("send"))
        return RunSend(args);
    if (verb == QLatin1String("decode"))
        return RunDecode(args);
    if (verb == QLatin1String("settings"))
        return RunSettings(args);
    if (verb == QLatin1String("ports"))
        return RunPorts(args);
    if (verb == QLatin1String("--version")) {
        PrintOut(QStringLiteral("tarvek-cli " TARVEK_VERSION "\n"));
        return ExitOk;
    }
    if (verb == QLatin1String("--help") || verb == QLatin1String("-h")) {
        PrintOut(UsageText());
        return ExitOk;
    }
    PrintErr(QStringLiteral("tarvek-cli: unknown verb '%1'\n").arg(verb) + UsageText());
    return ExitUsage;
}
