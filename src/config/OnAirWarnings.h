#pragma once
// Settings that SEND accepts but that make the tracker useless, or a
// nuisance, on a shared 1200-baud APRS channel. A warning changes nothing: no
// text, no byte, no refusal. The window marks the field and tarvek-cli prints
// the warning, both from this one list, so that they never disagree.
#include <QString>
#include <vector>

namespace tarvek::config
{

class TrackerSettings;
struct SettingDescription;

struct OnAirWarning {
    const SettingDescription *setting = nullptr; // the control it is about
    QString text;                                // the control's text as it stands
    QString reason; // one sentence: what the tracker will do, and what to change
};

// Every warning the settings give, field by field in the window's keyboard
// order: own callsign, path, status text, manual interval, the speed bands,
// message destination. None for the factory defaults with a real callsign.
std::vector<OnAirWarning> onAirWarnings(const TrackerSettings &settings);

} // namespace tarvek::config
