// tarvek-cli: the headless companion of the desktop program. It links the
// same domain libraries as the window, never QtWidgets/QtGui.
#include "Commands.h"
#include "Output.h"

#include <QCoreApplication>

namespace
{

const char *const kUsage =
    "usage: tarvek-cli <verb> [options]\n"
    "  encode [inputs] [--json]\n"
    "  save OUTFILE [inputs]\n"
    "  position --lat TEXT --lon TEXT [--seconds] [--normal] [--symbol C] [--alternate]\n"
    "  send --port N [inputs]\n"
    "  decode [FILE]\n"
    "inputs: [--cfg FILE] [--set NAME=VALUE]...\n";

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    using namespace tarvek::cli;
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    if (args.isEmpty()) {
        PrintErr(QString::fromLatin1(kUsage));
        return ExitUsage;
    }
    const QString verb = args.takeFirst();
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
    if (verb == QLatin1String("--version")) {
        PrintOut(QStringLiteral("tarvek-cli " TARVEK_VERSION "\n"));
        return ExitOk;
    }
    if (verb == QLatin1String("--help") || verb == QLatin1String("-h")) {
        PrintOut(QString::fromLatin1(kUsage));
        return ExitOk;
    }
    PrintErr(QStringLiteral("tarvek-cli: unknown verb '%1'\n").arg(verb) +
             QString::fromLatin1(kUsage));
    return ExitUsage;
}
