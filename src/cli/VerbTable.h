#pragma once
// The verbs of tarvek-cli, one row each. main() dispatches through this table;
// the usage text, the --help pages and the bash completion script (written at
// build time by CompletionGenerator.cpp) are all made from it.
#include <QStringList>

#include <span>

namespace tarvek::cli
{

// What the bash completion offers after the verb.
struct VerbCompletion {
    const char *options;          // for a word that starts with "-" ("--help" is added)
    const char *freeValueOptions; // options whose value is typed freely: nothing offered
    bool fileOperands;            // a word that is no option completes to a file name
};

struct Verb {
    const char *name;
    const char *summary; // what the verb is for, in a few words
    // The arguments after the verb. A line end marks where the help page
    // folds a long usage line; everywhere else it is one line.
    const char *usage;
    // The help page after its usage line; %INPUTS% stands for the paragraph
    // on --cfg and --set.
    const char *help;
    VerbCompletion completion;
    // Takes this row and the arguments after the verb; returns the process
    // exit code.
    int (*run)(const Verb &verb, const QStringList &args);
};

// Every verb, in the order the usage text and the completion list them.
std::span<const Verb> verbs();

// The verb called `name`, or null.
const Verb *findVerb(QStringView name);

} // namespace tarvek::cli
