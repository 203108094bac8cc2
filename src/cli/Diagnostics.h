#pragma once
// What a verb says on standard error. Every message there starts with
// "tarvek-cli VERB: ", so that a script running several verbs can tell whose
// message it is.
#include "VerbTable.h"

#include <QString>

namespace tarvek::cli
{

// Prints "tarvek-cli VERB: " and `text` on standard error. The text ends its
// own line, or leaves it open for more (the progress dots of send).
void printMessage(const Verb &verb, const QString &text);

// Prints "tarvek-cli VERB: reason" as one line on standard error, line
// breaks in the reason escaped, and returns `exitCode`.
int fail(const Verb &verb, int exitCode, const QString &reason);

// A usage error: the reason as fail() prints it, then the verb's usage line.
// Returns ExitUsage.
int failUsage(const Verb &verb, const QString &reason);

} // namespace tarvek::cli
