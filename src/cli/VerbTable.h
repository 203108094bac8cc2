#pragma once
// The verbs of tarvek-cli, one row each. main() dispatches through this table
// and VerbArguments reads each verb's command line by its options; the usage
// text, the --help pages and the bash completion script (written at build
// time by CompletionGenerator.cpp) are all made from it.
#include "Commands.h"
#include "VerbOptions.h"

#include <QString>

#include <span>

namespace tarvek::cli
{

// The one argument a verb takes that is no option, such as save's OUTFILE.
// The bash completion offers file names for it.
struct VerbOperand {
    const char *name = nullptr; // null: the verb takes none
    bool required = false;
};

// What an exit code means for a verb: "built", "rejected (...)". The help
// page writes it after the code, with a space unless it starts with ",".
struct ExitMeaning {
    ExitCode code;
    const char *meaning;
};

struct Verb {
    const char *name;
    const char *summary; // what the verb is for, in a few words
    // The arguments after the verb, for people. A line end marks where the
    // help page folds a long usage line; everywhere else it is one line.
    const char *usage;
    // The help page after its usage line and before the exit codes; %INPUTS%
    // stands for the paragraph on --cfg and --set.
    const char *help;
    std::span<const ExitMeaning> exits;
    const char *example; // a command line
    std::span<const VerbOption> options;
    VerbOperand operand;
    // Takes this row and what the command line says after the verb; returns
    // the process exit code.
    int (*run)(const Verb &verb, const VerbArguments &args);
};

// Every verb, in the order the usage text and the completion list them.
std::span<const Verb> verbs();

// The verb called `name`, or null.
const Verb *findVerb(QStringView name);

} // namespace tarvek::cli
