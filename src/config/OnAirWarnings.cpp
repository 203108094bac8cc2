#include "OnAirWarnings.h"

#include "AddressWarnings.h"
#include "BlockBuilder.h"
#include "FieldFilters.h"
#include "NumericReading.h"
#include "PathWarnings.h"
#include "SettingKeys.h"
#include "StatusWarnings.h"
#include "TimingNotes.h"
#include "TrackerSettings.h"

namespace tarvek::config
{
namespace
{

// Channel load: every station shares the airtime of one 1200-baud channel,
// and the usual advice that comes with the New-N paradigm papers (Bob
// Bruninga WB4APR) is one beacon a minute at most.
constexpr int kShortestInterval = 60;

class Collector
{
public:
    explicit Collector(const TrackerSettings &settings) : m_settings(settings) {}

    void add(const char *key, const QStringList &reasons)
    {
        const SettingDescription *setting = findSetting(QLatin1StringView(key));
        Q_ASSERT(setting && setting->inTracker);
        const ReadOnlyControl control = setting->inTracker(m_settings);
        const MaskedField &field = controlAs<const MaskedField>(control);
        for (const QString &reason : reasons)
            m_warnings.push_back({setting, field.text(), reason});
    }

    std::vector<OnAirWarning> take() { return std::move(m_warnings); }

private:
    const TrackerSettings &m_settings;
    std::vector<OnAirWarning> m_warnings;
};

// The interval the tracker will use, after SEND's normalisation, against
// the one-a-minute advice. A text SEND would refuse gives no warning.
QStringList intervalWarnings(const char *key, const QString &text)
{
    const StepPreview preview = previewStep(*findSetting(QLatin1StringView(key)), text);
    if (!preview.result.ok())
        return {};
    const auto seconds = static_cast<int>(readNumber(preview.normalised));
    if (seconds >= kShortestInterval)
        return {};
    return {QStringLiteral("the tracker beacons every %1 s (%2 an hour), more often than the "
                           "usual once a minute on a shared channel; use %3 s or more")
                .arg(seconds)
                .arg(beaconsAnHour(seconds))
                .arg(kShortestInterval)};
}

} // namespace

std::vector<OnAirWarning> onAirWarnings(const TrackerSettings &settings)
{
    Collector warnings(settings);
    warnings.add(key::kCallsign,
                 addressWarnings(settings.callsign.text(), AddressRole::OwnCallsign));
    warnings.add(key::kPath, pathWarnings(settings.path.text()));
    const QString status = settings.statusText.text();
    warnings.add(key::kStatusText,
                 isGpslessMode(settings.gpsTimeout.text())
                     ? gpslessStatusWarnings(status, tableOfBox(settings.alternateTable.value()),
                                             settings.symbol.content())
                     : statusWarnings(status));
    warnings.add(key::kManualInterval,
                 intervalWarnings(key::kManualInterval, settings.manualInterval.text()));
    for (int band = 0; band < kSpeedBands; ++band) {
        const char *key = key::kSpeedIntervals[band];
        warnings.add(key, intervalWarnings(key, settings.speedIntervals[band].text()));
    }
    warnings.add(key::kMessageTo,
                 addressWarnings(settings.messageTo.text(), AddressRole::MessageTo));
    return warnings.take();
}

} // namespace tarvek::config
