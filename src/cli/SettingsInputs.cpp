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
namespace
{

// One --set NAME=VALUE; the name ends at the first "=", so that a text may
// hold "=" itself. VerbArguments has checked that there is a name.
ApplyResult applySet(const QString &assignment, SettingsModel &model)
{
    const qsizetype eq = assignment.indexOf(u'=');
    const QString name = assignment.left(eq);
    const QString given = QStringLiteral("--set %1: ").arg(assignment);
    const auto control = findControl(model, name);
    if (!control)
        return {ApplyOutcome::SetRefused,
                given + QStringLiteral("unknown setting \"%1\" (`tarvek-cli settings` lists them)")
                            .arg(name),
                {}};
    if (const WriteResult written = writeControl(*control, assignment.mid(eq + 1)); !written.ok())
        return {ApplyOutcome::SetRefused, given + written.reason, {}};
    return {};
}

} // namespace

ApplyResult applySettingsInputs(const Verb &verb, const VerbArguments &args, SettingsModel &model)
{
    loadDefaults(model.tracker);
    if (const QString cfgPath = args.value(kCfgOption); !cfgPath.isEmpty()) {
        // As the window's Load: same reader, same stop at the first failing
        // value, nothing taken back. There is no calculator window to notify.
        const CfgResult loaded = loadConfigFile(cfgPath, model);
        if (!loaded.ok())
            return {ApplyOutcome::CfgFailed, cfgFailureText(cfgPath, loaded), {}};
    }
    for (const QString &assignment : args.values(kSetOption)) {
        if (ApplyResult applied = applySet(assignment, model); !applied.ok())
            return applied;
    }
    warnLowerCaseCallsigns(verb, model);
    ApplyResult applied;
    applied.warnings = warnOnAir(verb, model.tracker);
    return applied;
}

int failInputs(const Verb &verb, const ApplyResult &failure)
{
    return fail(verb, failure.outcome == ApplyOutcome::CfgFailed ? ExitCfgFailed : ExitUsage,
                failure.reason);
}

} // namespace tarvek::cli
