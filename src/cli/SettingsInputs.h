#pragma once
// The inputs shared by encode, save and send: the factory defaults, then
// --cfg FILE, then each --set NAME=VALUE in the order given.
#include "OnAirWarnings.h"
#include "TrackerSettings.h"
#include "VerbArguments.h"

#include <QString>

namespace tarvek::cli
{

enum class ApplyOutcome { Applied, CfgFailed, SetRefused };

struct ApplyResult {
    ApplyOutcome outcome = ApplyOutcome::Applied; // which failure it was
    // Why it stopped: the --cfg file and where its load stopped, or the
    // --set and why it was refused. Empty when applied.
    QString reason;
    // Once all applied: the on-air warnings of the settings, as printed.
    std::vector<config::OnAirWarning> warnings;

    bool ok() const { return reason.isEmpty(); }
};

// Puts the defaults into `model`, loads the --cfg file if any, then applies
// every --set. Stops at the first failure, leaving `model` as far as it got.
// When all applied, warns about lower-case callsigns and then about what
// would go wrong on the air (OnAirWarnings.h).
ApplyResult applySettingsInputs(const Verb &verb, const VerbArguments &args,
                                config::SettingsModel &model);

// For verbs that report nothing else when the inputs fail: prints the reason
// and returns the exit code (ExitUsage for a refused --set, ExitCfgFailed
// for a failed --cfg).
int failInputs(const Verb &verb, const ApplyResult &failure);

} // namespace tarvek::cli
