#include "SettingsInputs.h"

#include "Commands.h"
#include "ConfigFile.h"
#include "ControlAccess.h"
#include "Output.h"
#include "Reports.h"

using namespace tarvek::cfgfile;
using namespace tarvek::config;

namespace tarvek::cli
{

bool parseSettingsInputs(const QStringList &args, SettingsInputs &inputs, QString &error)
{
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        if (arg == QLatin1String("--cfg") || arg == QLatin1String("--set")) {
            if (i + 1 >= args.size()) {
                error = QStringLiteral("%1 needs a value").arg(arg);
                return false;
            }
            const QString &value = args.at(++i);
            if (arg == QLatin1String("--cfg")) {
                if (!inputs.cfgPath.isEmpty()) {
                    error = QStringLiteral("--cfg given twice");
                    return false;
                }
                inputs.cfgPath = value;
                continue;
            }
            const qsizetype eq = value.indexOf(u'=');
            if (eq <= 0) {
                error = QStringLiteral("--set takes NAME=VALUE, not \"%1\"").arg(value);
                return false;
            }
            inputs.sets.append({value.left(eq), value.mid(eq + 1)});
            continue;
        }
        inputs.rest << arg;
    }
    return true;
}

ApplyOutcome applySettingsInputs(const SettingsInputs &inputs, SettingsModel &model, QString &error)
{
    loadDefaults(model.tracker);
    if (!inputs.cfgPath.isEmpty()) {
        // As the window's Load: same reader, same stop at the first failing
        // value, nothing taken back. There is no calculator window to notify.
        const CfgResult loaded = loadConfigFile(inputs.cfgPath, model);
        if (!loaded.ok()) {
            error = cfgFailureText(inputs.cfgPath, loaded);
            return ApplyOutcome::CfgFailed;
        }
    }
    for (const auto &[name, value] : inputs.sets) {
        const QString given = QStringLiteral("--set %1=%2: ").arg(name, value);
        const auto control = findControl(model, name);
        if (!control) {
            error = given + QStringLiteral("unknown setting \"%1\" (`tarvek-cli settings` "
                                           "lists them)")
                                .arg(name);
            return ApplyOutcome::SetRefused;
        }
        if (const WriteResult written = writeControl(*control, value); !written.ok()) {
            error = given + written.error;
            return ApplyOutcome::SetRefused;
        }
    }
    return ApplyOutcome::Applied;
}

int inputFailureExit(ApplyOutcome outcome, const QString &verb, const QString &error)
{
    printErr(QStringLiteral("tarvek-cli %1: %2\n").arg(verb, error));
    return outcome == ApplyOutcome::CfgFailed ? ExitCfgFailed : ExitUsage;
}

} // namespace tarvek::cli
