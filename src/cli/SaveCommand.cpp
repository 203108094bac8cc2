#include "Commands.h"
#include "ConfigFile.h"
#include "Diagnostics.h"
#include "Reports.h"
#include "SettingsInputs.h"

using namespace tarvek::cfgfile;
using namespace tarvek::config;

namespace tarvek::cli
{
namespace
{

// What is wrong with the arguments left after the inputs, which must be the
// one OUTFILE.
std::optional<QString> outfileProblem(const QStringList &rest)
{
    if (rest.isEmpty())
        return QStringLiteral("OUTFILE is missing");
    if (rest.size() > 1)
        return QStringLiteral("one OUTFILE only, not also \"%1\"").arg(rest.at(1));
    if (rest.first().startsWith(QLatin1String("--")))
        return QStringLiteral("unknown option \"%1\"").arg(rest.first());
    return std::nullopt;
}

} // namespace

// save OUTFILE [inputs]: writes OUTFILE as the window's Save does. A failed
// save leaves OUTFILE exactly as it was (or absent).
int runSave(const Verb &verb, const QStringList &args)
{
    SettingsInputs inputs;
    if (const std::optional<QString> reason = parseSettingsInputs(args, inputs))
        return fail(verb, ExitUsage, *reason);
    if (const std::optional<QString> reason = outfileProblem(inputs.rest))
        return failUsage(verb, *reason);
    const QString &outfile = inputs.rest.first();
    SettingsModel model;
    const ApplyResult applied = applySettingsInputs(inputs, model);
    if (!applied.ok())
        return failInputs(verb, applied);
    warnLowerCaseCallsigns(verb, model);
    const CfgResult saved = saveConfigFile(outfile, model);
    if (!saved.ok())
        return fail(verb, ExitCfgFailed, QStringLiteral("%1: %2").arg(outfile, saved.reason));
    return ExitOk;
}

} // namespace tarvek::cli
