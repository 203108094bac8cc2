#pragma once
// The inputs shared by encode, save and send: the factory defaults, then
// --cfg FILE, then each --set NAME=VALUE in the order given.
#include "TrackerSettings.h"

#include <QPair>
#include <QStringList>

namespace tarvek::cli
{

struct SettingsInputs {
    QString cfgPath;
    QList<QPair<QString, QString>> sets;
    QStringList rest; // arguments that are not inputs, in order
};

// Splits the inputs from the verb's own arguments. Returns false with the
// reason in `error` on a malformed input option.
bool parseSettingsInputs(const QStringList &args, SettingsInputs &inputs, QString &error);

enum class ApplyOutcome { Applied, CfgFailed, SetRefused };

// Puts the defaults into `model`, loads the --cfg file if any, then applies
// every --set. Stops at the first failure, leaving `model` as far as it got,
// with the reason in `error`: the --cfg file and where its load stopped, or
// the --set and why it was refused.
ApplyOutcome applySettingsInputs(const SettingsInputs &inputs, config::SettingsModel &model,
                                 QString &error);

// For verbs that report nothing else when the inputs fail: prints the reason
// and returns the exit code (2 for a refused --set, 3 for a failed --cfg).
int inputFailureExit(ApplyOutcome outcome, const QString &verb, const QString &error);

} // namespace tarvek::cli
