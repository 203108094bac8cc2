#include "Commands.h"
#include "ConfigFile.h"
#include "Output.h"
#include "Reports.h"
#include "SettingsInputs.h"

using namespace tarvek::cfgfile;
using namespace tarvek::config;

namespace tarvek::cli
{

// save OUTFILE [inputs]: writes OUTFILE as the window's Save does. A failed
// save leaves OUTFILE exactly as it was (or absent).
int runSave(const QStringList &args)
{
    SettingsInputs inputs;
    if (const std::optional<QString> reason = parseSettingsInputs(args, inputs)) {
        printErr(QStringLiteral("tarvek-cli save: %1\n").arg(*reason));
        return ExitUsage;
    }
    if (inputs.rest.size() != 1 || inputs.rest.first().startsWith(QLatin1String("--"))) {
        const QString reason =
            inputs.rest.isEmpty() ? QStringLiteral("OUTFILE is missing")
            : inputs.rest.size() > 1
                ? QStringLiteral("one OUTFILE only, not also \"%1\"").arg(inputs.rest.at(1))
                : QStringLiteral("unknown option \"%1\"").arg(inputs.rest.first());
        printErr(
            QStringLiteral("tarvek-cli save: %1\n"
                           "usage: tarvek-cli save OUTFILE [--cfg FILE] [--set NAME=VALUE]...\n")
                .arg(reason));
        return ExitUsage;
    }
    SettingsModel model;
    const ApplyResult applied = applySettingsInputs(inputs, model);
    if (!applied.ok())
        return inputFailureExit(applied, QStringLiteral("save"));
    warnLowerCaseCallsigns(QStringLiteral("save"), model);
    const CfgResult saved = saveConfigFile(inputs.rest.first(), model);
    if (!saved.ok()) {
        printErr(QStringLiteral("tarvek-cli save: %1: %2\n")
                     .arg(inputs.rest.first(), saved.description));
        return ExitCfgFailed;
    }
    return ExitOk;
}

} // namespace tarvek::cli
