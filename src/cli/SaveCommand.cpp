#include "Commands.h"
#include "ConfigFile.h"
#include "Diagnostics.h"
#include "Reports.h"
#include "SettingsInputs.h"

using namespace tarvek::cfgfile;
using namespace tarvek::config;

namespace tarvek::cli
{

// save OUTFILE [inputs]: writes OUTFILE as the window's Save does. A failed
// save leaves OUTFILE exactly as it was (or absent).
int runSave(const Verb &verb, const VerbArguments &args)
{
    const QString outfile = args.operand();
    SettingsModel model;
    const ApplyResult applied = applySettingsInputs(verb, args, model);
    if (!applied.ok())
        return failInputs(verb, applied);
    const CfgResult saved = saveConfigFile(outfile, model);
    if (!saved.ok())
        return fail(verb, ExitCfgFailed, QStringLiteral("%1: %2").arg(outfile, saved.reason));
    return ExitOk;
}

} // namespace tarvek::cli
