#pragma once
// The help texts of tarvek-cli: the overview and one page per verb.
#include <QStringList>

namespace tarvek::cli
{

// The list of verbs, ending with where to find setting names and ports.
QString usageText();

// What `verb` does, its options, exit codes and an example; empty for a
// word that is no verb.
QString verbHelp(const QString &verb);

// Whether the verb's arguments ask for its help ("--help" or "-h").
bool asksForHelp(const QStringList &args);

} // namespace tarvek::cli
