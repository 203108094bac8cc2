#include "Diagnostics.h"

#include "Commands.h"
#include "Help.h"
#include "Output.h"

namespace tarvek::cli
{

void printMessage(const Verb &verb, const QString &text)
{
    printErr(QStringLiteral("tarvek-cli %1: ").arg(QLatin1String(verb.name)) + text);
}

int fail(const Verb &verb, int exitCode, const QString &reason)
{
    printMessage(verb, escapeControls(reason) + u'\n');
    return exitCode;
}

int failUsage(const Verb &verb, const QString &reason)
{
    printMessage(verb, escapeControls(reason) + u'\n' + usageLine(verb) + u'\n');
    return ExitUsage;
}

} // namespace tarvek::cli
