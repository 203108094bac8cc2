#include "Commands.h"
#include "ConfigFile.h"
#include "Output.h"
#include "SettingsInputs.h"

namespace tarvek::cli
{

// save OUTFILE [inputs]: writes OUTFILE as the window's Save does. A failed
// save leaves OUTFILE exactly as it was (or absent).
int RunSave(const QStringList &args)
{
    SettingsInputs inputs;
    QString error;
    if (!ParseSettingsInputs(args, inputs, error)) {
        PrintErr(QStringLiteral("tarvek-cli save: %1\n").arg(error));
        return ExitUsage;
    }
    if (inputs.rest.size() != 1 || inputs.rest.first().startsWith(QLatin1String("--"))) {
        PrintErr(
            QStringLiteral("usage: tarvek-cli save OUTFILE [--cfg FILE] [--set NAME=VALUE]...\n"));
        return ExitUsage;
    }
    SettingsModel model;
    const ApplyOutcome applied = ApplySettingsInputs(inputs, model, error);
    if (applied != ApplyOutcome::Applied)
        return InputFailureExit(applied, QStringLiteral("save"), error);
    const CfgResult saved = SaveConfigFile(inputs.rest.first(), model);
    if (!saved.ok()) {
        PrintErr(saved.description + u'\n');
        return ExitCfgFailed;
    }
    return ExitOk;
}

} // namespace tarvek::cli
