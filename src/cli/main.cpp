// tarvek-cli: the headless companion of the desktop program. It links the
// same domain libraries as the window, never QtWidgets/QtGui.
#include "Commands.h"
#include "Help.h"
#include "Output.h"
#include "Terminal.h"
#include "Utf8Locale.h"
#include "VerbTable.h"

#include <QCoreApplication>

namespace tarvek::cli
{
namespace
{

// The verb named first runs with the arguments after it; the words that are
// no verb answer for the program as a whole.
int runCommandLine(QStringList args)
{
    if (args.isEmpty()) {
        printErr(usageText());
        return ExitUsage;
    }
    const QString word = args.takeFirst();
    if (const Verb *verb = findVerb(word)) {
        if (!asksForHelp(args))
            return verb->run(*verb, args);
        printOut(helpPage(*verb));
        return ExitOk;
    }
    if (word == QLatin1String("--version")) {
        printOut(QStringLiteral("tarvek-cli " TARVEK_VERSION "\n"));
        return ExitOk;
    }
    if (word == QLatin1String("--help") || word == QLatin1String("-h")) {
        printOut(usageText());
        return ExitOk;
    }
    printErr(QStringLiteral("tarvek-cli: unknown verb '%1'\n").arg(word) + usageText());
    return ExitUsage;
}

} // namespace
} // namespace tarvek::cli

int main(int argc, char **argv)
{
    tarvek::config::startOnUtf8Locale();
    tarvek::cli::useBinaryStandardStreams();
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    return tarvek::cli::runCommandLine(args);
}
