#include "TrackerSettings.h"

#include <algorithm>
#include <vector>

namespace tarvek::config
{

QStringList micEMessageNames()
{
    return {QStringLiteral("Off Duty"),  QStringLiteral("En Route"),  QStringLiteral("In Service"),
            QStringLiteral("Returning"), QStringLiteral("Committed"), QStringLiteral("Special"),
            QStringLiteral("Priority"),  QStringLiteral("Emergency")};
}

TrackerSettings::TrackerSettings() : micEMessage(micEMessageNames())
{
}

CalculatorSettings::CalculatorSettings()
{
    for (const SettingDescription &setting : allSettings()) {
        if (setting.inCalculator)
            applyDefault(setting, setting.inCalculator(*this));
    }
}

void loadDefaults(TrackerSettings &s)
{
    std::vector<const SettingDescription *> steps;
    for (const SettingDescription &setting : allSettings()) {
        if (setting.defaultsStep > 0)
            steps.push_back(&setting);
    }
    std::sort(steps.begin(), steps.end(),
              [](const auto *a, const auto *b) { return a->defaultsStep < b->defaultsStep; });
    for (const SettingDescription *setting : steps)
        applyDefault(*setting, setting->inTracker(s));
}

} // namespace tarvek::config
