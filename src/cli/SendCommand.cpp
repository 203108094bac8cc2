// tarvek-cli send: builds the block as SEND does and uploads it with the same
// wire sequence, pauses and port handling, the progress on stdout.
#include "BlockBuilder.h"
#include "Commands.h"
#include "Diagnostics.h"
#include "ProgressView.h"
#include "Reports.h"
#include "SettingsInputs.h"
#include "SystemSerialPort.h"
#include "Terminal.h"
#include "Upload.h"

using namespace tarvek::config;
using namespace tarvek::serial;

namespace tarvek::cli
{
namespace
{

int sendBlock(const Verb &verb, const ConfigBlock &block, const QString &portText)
{
    SystemSerialPort port;
    ProgressView view(verb, progressOnStandardError());
    const UploadResult result = uploadConfigBlock(block, portText, port, view, blockingHooks());
    view.finish();
    switch (result.outcome) {
    case UploadOutcome::Sent:
        return ExitOk;
    case UploadOutcome::NotOpened:
        return fail(verb, ExitSerialError, QStringLiteral("port %1 did not open").arg(portText));
    case UploadOutcome::Failed:
        break;
    }
    return fail(verb, ExitSerialError, QStringLiteral("port %1: %2").arg(portText, result.reason));
}

} // namespace

int runSend(const Verb &verb, const VerbArguments &args)
{
    SettingsModel model;
    const ApplyResult applied = applySettingsInputs(verb, args, model);
    if (!applied.ok())
        return failInputs(verb, applied);
    ConfigBlock block{};
    if (const BuildResult built = buildConfigBlock(model.tracker, block); !built.ok())
        return failRejected(verb, built);
    return sendBlock(verb, block, args.value(kPortOption));
}

} // namespace tarvek::cli
