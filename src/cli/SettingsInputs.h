#pragma once
// The inputs shared by encode, save and send: the factory defaults, then
// --cfg FILE, then each --set NAME=VALUE in the order given.
#include "TrackerSettings.h"
#include "VerbTable.h"

#include <QPair>
#include <QStringList>

#include <optional>

namespace tarvek::cli
{

struct SettingsInputs {
    QString cfgPath;
    QList<QPair<QString, QString>> sets;
    QStringList rest; // arguments that are not inputs, in order
};

// Splits the inputs from the verb's own arguments. Returns the reason for a
// usage error on a malformed input option.
std::optional<QString> parseSettingsInputs(const QStringList &args, SettingsInputs &inputs);

enum class ApplyOutcome { Applied, CfgFailed, SetRefused };

struct ApplyResult {
    ApplyOutcome outcome = ApplyOutcome::Applied;
    // Why it stopped: the --cfg file and where its load stopped, or the
    // --set and why it was refused. Empty when applied.
    QString reason;

    bool ok() const { return outcome == ApplyOutcome::Applied; }
};

// Puts the defaults into `model`, loads the --cfg file if any, then applies
// every --set. Stops at the first failure, leaving `model` as far as it got.
ApplyResult applySettingsInputs(const SettingsInputs &inputs, config::SettingsModel &model);

// For verbs that report nothing else when the inputs fail: prints the reason
// and returns the exit code (2 for a refused --set, 3 for a failed --cfg).
int failInputs(const Verb &verb, const ApplyResult &failure);

} // namespace tarvek::cli
