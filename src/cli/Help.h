#pragma once
// The help texts of tarvek-cli, made from the verb table: the overview and
// one page per verb.
#include "VerbTable.h"

#include <QStringList>

namespace tarvek::cli
{

// The list of verbs, ending with where to find setting names and ports.
QString usageText();

// "usage: tarvek-cli VERB ARGUMENTS" on one line, without a line end.
QString usageLine(const Verb &verb);

// What the verb does, its options, exit codes and an example.
QString helpPage(const Verb &verb);

// Whether the verb's arguments ask for its help ("--help" or "-h").
bool asksForHelp(const QStringList &args);

} // namespace tarvek::cli
