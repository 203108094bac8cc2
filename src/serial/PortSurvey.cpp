#include "PortSurvey.h"

#include <algorithm>

namespace tarvek::serial
{
namespace
{

class SystemPortSource final : public PortSource
{
public:
    PortSurvey survey() const override
    {
        return surveyPorts(listNumberedPorts(), *systemPortFacts());
    }
};

} // namespace

PortSurvey surveyPorts(const std::vector<NumberedPort> &ports, const PortFacts &facts)
{
    PortSurvey survey;
    for (const NumberedPort &numbered : ports)
        survey.ports.push_back({numbered, portState(numbered.port.device, facts)});
    const bool anyReady =
        std::any_of(survey.ports.begin(), survey.ports.end(), [](const SurveyedPort &port) {
            return port.state.condition == PortCondition::Ready;
        });
    if (!anyReady)
        survey.trouble = diagnoseNoUsablePort(facts);
    return survey;
}

std::unique_ptr<PortSource> systemPortSource()
{
    return std::make_unique<SystemPortSource>();
}

} // namespace tarvek::serial
