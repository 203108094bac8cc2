#pragma once
// Validates the settings, writes their normalised texts back into the fields
// and packs them into the configuration block, as SEND does before anything
// is sent.
#include "ConfigBlock.h"

#include <QString>
#include <optional>
#include <span>

namespace tarvek::config
{

class TrackerSettings;
struct SettingDescription;

// The outcome of a build. When it stopped: the first setting whose value
// could not be carried, its text as the build found it, and the rule it
// broke, e.g. `the SSID "-1" after "-" is not a whole number from 0 to 32767`.
struct BuildResult {
    const SettingDescription *setting = nullptr;
    QString text;
    QString reason; // empty when the block was built

    bool ok() const { return reason.isEmpty(); }
};

// What a refused setting is told with, after its names: `"300": 300 does not
// fit a byte (0 to 255)`. Empty for a build that succeeded.
QString rejectionText(const BuildResult &result);

// Clears the block and fills it step by step from the settings, writing each
// normalised text back into its field as it goes. Stops at the first value
// that cannot be carried; the block is then left partly filled and the texts
// normalised so far stay in their fields.
BuildResult buildConfigBlock(TrackerSettings &settings, ConfigBlock &block);

// What a step of the build does with its setting.
enum class PackCheck {
    Pack,     // packs it by its row's block bytes and coding
    NotEmpty, // fails when its text is empty
};

struct PackStep {
    const char *key; // the control name
    PackCheck check = PackCheck::Pack;
};

// The steps of the build in the order it packs and checks the settings; a
// setting that shares its byte with another is packed with that one.
std::span<const PackStep> packOrder();

// What the build makes of one text: the setting's own step run alone on a
// scratch copy of the settings, nothing else touched. Meant for the steps
// that read no other setting (the TX delay, the numbers and the intervals).
struct StepPreview {
    BuildResult result;
    QString normalised;  // the text the step writes back (or found, when it stopped)
    ConfigBlock block{}; // the bytes the step packed; the rest 0
};
StepPreview previewStep(const SettingDescription &setting, const QString &text);

// Writes the Windows-1252 codes of `text` from `position` on, then a 0.
// Returns false, having written nothing, when a byte would fall beyond the
// block.
bool packText(ConfigBlock &block, int position, const QString &text);

// Writes the six callsign characters and the SSID character of the
// normalised callsign from `position` on, and a 0 after them when `addEnd`.
// Returns the text to write back, or an empty optional when the SSID is
// refused (nothing written then).
std::optional<QString> packCallsign(ConfigBlock &block, int position, const QString &text,
                                    bool addEnd);

} // namespace tarvek::config
