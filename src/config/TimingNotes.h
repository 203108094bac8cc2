#pragma once
// What the tracker will do with a timing text: the interval or delay that
// SEND's normalisation really sends, and for the beacon intervals how many
// beacons an hour that makes. Worked out by the build's own step for the
// setting (previewStep), so the note and SEND never disagree.
#include <QString>
#include <optional>

namespace tarvek::config
{

struct SettingDescription;

// The note for `text` in the setting's field: "480 s: 7.5 beacons an hour",
// "200 ms: 30 flags before each packet", or, for a text SEND would refuse,
// that it would and why. Empty for a setting that is no delay or interval.
std::optional<QString> timingNote(const SettingDescription &setting, const QString &text);

// 3600 / seconds, with one decimal where it is not whole: "7.5", "40".
QString beaconsAnHour(int seconds);

} // namespace tarvek::config
