#pragma once
// The options of tarvek-cli's verbs. A verb's row in the verb table lists the
// ones it takes; VerbArguments reads the command line by them, and the bash
// completion and the verbs name them through these constants.

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

} // namespace tarvek::cli
