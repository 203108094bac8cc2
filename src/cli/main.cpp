// tarvek-cli: the headless companion of the desktop program. It links the
// same domain libraries as the window, never QtWidgets/QtGui.
#include "Commands.h"
#include "Diagnostics.h"
#include "Help.h"
#include "Output.h"
#include "Terminal.h"
#include "Utf8Locale.h"
#include "VerbArguments.h"
#include "VerbTable.h"

#include <QCoreApplication>

namespace tarvek::cli
{
namespace
{

// A command line that names no verb it can run: the reason, then the
// overview, on standard error.
int failProgramUsage(const QString &reason)
{
    printErr(QStringLiteral("tarvek-cli: ") + reason + u'\n' + usageText());
    return ExitUsage;
}

// A word where a verb should be.
QString unknownWord(const QString &word)
{
    const bool option = word.startsWith(u'-') && word.size() > 1;
    return QStringLiteral("unknown %1 \"%2\"")
        .arg(option ? QStringLiteral("option") : QStringLiteral("verb"), word);
}

int runVerb(const Verb &verb, const QStringList &args)
{
    if (asksForHelp(args)) {
        printOut(helpPage(verb));
        return ExitOk;
    }
    const VerbArguments arguments(verb, args);
    if (!arguments.ok())
        return failUsage(verb, arguments.reason());
    return verb.run(verb, arguments);
}

// help [VERB]: what --help and VERB --help print.
int runHelp(const QStringList &args)
{
    if (args.size() > 1)
        return failProgramUsage(QStringLiteral("unexpected argument \"%1\"").arg(args.at(1)));
    if (args.isEmpty()) {
        printOut(usageText());
        return ExitOk;
    }
    const Verb *verb = findVerb(args.first());
    if (verb == nullptr)
        return failProgramUsage(unknownWord(args.first()));
    printOut(helpPage(*verb));
    return ExitOk;
}

// The verb named first runs with the arguments after it; the words that are
// no verb answer for the program as a whole.
int runCommandLine(QStringList args)
{
    if (args.isEmpty()) {
        printErr(usageText());
        return ExitUsage;
    }
    const QString word = args.takeFirst();
    if (const Verb *verb = findVerb(word))
        return runVerb(*verb, args);
    if (word == QLatin1String("help"))
        return runHelp(args);
    if (word == QLatin1String("--version")) {
        printOut(QStringLiteral("tarvek-cli " TARVEK_VERSION "\n"));
        return ExitOk;
    }
    if (word == QLatin1String("--help") || word == QLatin1String("-h")) {
        printOut(usageText());
        return ExitOk;
    }
    return failProgramUsage(unknownWord(word));
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
