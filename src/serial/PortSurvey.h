#pragma once
// Every port number with its device, what the system calls it and its
// state, read without opening any port: what tarvek-cli ports prints and the
// window's port chooser shows.
#include "PortDiagnosis.h"
#include "PortListing.h"

#include <memory>
#include <vector>

namespace tarvek::serial
{

struct SurveyedPort {
    NumberedPort numbered;
    PortState state;

    bool operator==(const SurveyedPort &) const = default;
};

struct PortSurvey {
    std::vector<SurveyedPort> ports; // by number
    // When no port is ready: what is wrong (a USB adapter without a port,
    // say) and the remedy; empty when nothing is known or a port is ready.
    QString trouble;

    bool operator==(const PortSurvey &) const = default;
};

// The state of each of `ports` and, when none is ready, what is wrong.
PortSurvey surveyPorts(const std::vector<NumberedPort> &ports, const PortFacts &facts);

// Where the ports come from: the system, or a stand-in in the tests.
class PortSource
{
public:
    virtual ~PortSource() = default;
    // The ports there are now; opens none. Safe to call from any thread.
    virtual PortSurvey survey() const = 0;
};

// The ports the system reports and the TARVEK_COM<n> overrides of the
// process environment.
std::unique_ptr<PortSource> systemPortSource();

} // namespace tarvek::serial
