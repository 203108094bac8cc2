#pragma once
// The verbs of tarvek-cli, one row each, and the options they take. main()
// dispatches through this table and VerbArguments reads each verb's command
// line by its options; the usage text, the --help pages and the bash
// completion script (written at build time by CompletionGenerator.cpp) are
// all made from it.
#include "Commands.h"

#include <QString>

#include <span>

namespace tarvek::cli
{

// What follows an option: nothing, or a value of some kind. The kind decides
// the check of the value and what the bash completion offers for it.
enum class OptionValue {
    None,       // a flag: --json
    Text,       // typed freely: --lat TEXT
    CfgFile,    // a .cfg file: --cfg FILE
    Setting,    // NAME=VALUE, NAME a setting: --set
    PortNumber, // the digits of a port number: --port N
};

enum class Occurrence {
    Optional,   // at most once
    Required,   // exactly once
    Repeatable, // any number of times
};

struct VerbOption {
    const char *name; // without the dashes: "lat" is --lat
    OptionValue value = OptionValue::None;
    Occurrence occurrence = Occurrence::Optional;
};

// The inputs of encode, save and send.
inline constexpr VerbOption kCfgOption{"cfg", OptionValue::CfgFile};
inline constexpr VerbOption kSetOption{"set", OptionValue::Setting, Occurrence::Repeatable};

// --json may be repeated: it says the same thing each time.
inline constexpr VerbOption kJsonOption{"json", OptionValue::None, Occurrence::Repeatable};

inline constexpr VerbOption kPortOption{"port", OptionValue::PortNumber, Occurrence::Required};

// position
inline constexpr VerbOption kLatOption{"lat", OptionValue::Text, Occurrence::Required};
inline constexpr VerbOption kLonOption{"lon", OptionValue::Text, Occurrence::Required};
inline constexpr VerbOption kSecondsOption{"seconds"};
inline constexpr VerbOption kNormalOption{"normal"};
inline constexpr VerbOption kSymbolOption{"symbol", OptionValue::Text};
inline constexpr VerbOption kAlternateOption{"alternate"};

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
