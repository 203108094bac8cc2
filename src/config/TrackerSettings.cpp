#include "TrackerSettings.h"

#include <algorithm>
#include <vector>

namespace tarvek
{

QStringList MicEMessageNames()
{
    return {QStringLiteral("Off Duty"),  QStringLiteral("En Route"),  QStringLiteral("In Service"),
            QStringLiteral("Returning"), QStringLiteral("Committed"), QStringLiteral("Special"),
            QStringLiteral("Priority"),  QStringLiteral("Emergency")};
}

TrackerSettings::TrackerSettings() : cbMicEMsg(MicEMessageNames())
{
}

CalculatorSettings::CalculatorSettings()
{
    for (const SettingDescription &setting : AllSettings()) {
        if (setting.inCalculator)
            ApplyDefault(setting, setting.inCalculator(*this));
    }
}

void LoadDefaults(TrackerSettings &s)
{
    std::vector<const SettingDescription *> steps;
    for (const SettingDescription &setting : AllSettings()) {
        if (setting.defaultsStep > 0)
            steps.push_back(&setting);
    }
    std::sort(steps.begin(), steps.end(),
              [](const auto *a, const auto *b) { return a->defaultsStep < b->defaultsStep; });
    for (const SettingDescription *setting : steps)
        ApplyDefault(*setting, setting->inTracker(s));
}

} // namespace tarvek
