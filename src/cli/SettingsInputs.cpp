#include "SettingsInputs.h"

#include "Commands.h"
#include "ConfigFile.h"
#include "ControlAccess.h"
#include "Diagnostics.h"
#include "Reports.h"

using namespace tarvek::cfgfile;
using namespace tarvek::config;

namespace tarvek::cli
{

std::optional<QString> parseSettingsInputs(const QStringList &args, SettingsInputs &inputs)
{
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        if (arg == QLatin1String("--cfg") || arg == QLatin1String("--set")) {
            if (i + 1 >= args.size())
                return QStringLiteral("%1 needs a value").arg(arg);
            const QString &value = args.at(++i);
            if (arg == QLatin1String("--cfg")) {
                if (!inputs.cfgPath.isEmpty())
                    return QStringLiteral("--cfg given twice");
                inputs.cfgPath = value;
                continue;
            }
            const qsizetype eq = value.indexOf(u'=');
            if (eq <= 0)
                return QStringLiteral("--set takes NAME=VALUE, not \"%1\"").arg(value);
            inputs.sets.append({value.left(eq), value.mid(eq + 1)});
            continue;
        }
        inputs.rest << arg;
    }
    return std::nullopt;
}

ApplyResult applySettingsInputs(const SettingsInputs &inputs, SettingsModel &model)
{
    loadDefaults(model.tracker);
    if (!inputs.cfgPath.isEmpty()) {
        // As the window's Load: same reader, same stop at the first failing
        // value, nothing taken back. There is no calculator window to notify.
        const CfgResult loaded = loadConfigFile(inputs.cfgPath, model);
        if (!loaded.ok())
            return {ApplyOutcome::CfgFailed, cfgFailureText(inputs.cfgPath, loaded)};
    }
    for (const auto &[name, value] : inputs.sets) {
        const QString given = QStringLiteral("--set %1=%2: ").arg(name, value);
        const auto control = findControl(model, name);
        if (!control)
            return {ApplyOutcome::SetRefused,
                    given + QStringLiteral("unknown setting \"%1\" (`tarvek-cli settings` "
                                           "lists them)")
                                .arg(name)};
        if (const WriteResult written = writeControl(*control, value); !written.ok())
            return {ApplyOutcome::SetRefused, given + written.reason};
    }
    return {};
}

int failInputs(const Verb &verb, const ApplyResult &failure)
{
    return fail(verb, failure.outcome == ApplyOutcome::CfgFailed ? ExitCfgFailed : ExitUsage,
                failure.reason);
}

} // namespace tarvek::cli
