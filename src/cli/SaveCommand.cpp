#include "Commands.h"

namespace tarvek::cli {

// Placeholder until this verb is built; reports a usage error.
int RunSave(const QStringList &)
{
    PrintErr(QStringLiteral("tarvek-cli: this verb is not available in this build\n"));
    return ExitUsage;
}

} // namespace tarvek::cli
