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

#include <QRegularExpression>

using namespace tarvek::config;
using namespace tarvek::serial;

namespace tarvek::cli
{
namespace
{

// --port takes the digits of a port number; everything else is an input.
// Returns the reason for a usage error, if any.
std::optional<QString> takePort(QStringList &rest, QString &port)
{
    static const QRegularExpression kPortDigits(QStringLiteral("^[0-9]{1,5}$"));
    for (qsizetype i = 0; i < rest.size(); ++i) {
        if (rest[i] != QLatin1String("--port"))
            continue;
        if (i + 1 >= rest.size())
            return QStringLiteral("--port needs a value");
        if (!port.isNull())
            return QStringLiteral("--port given twice");
        port = rest[i + 1];
        rest.remove(i, 2);
        --i;
    }
    if (port.isNull())
        return QStringLiteral("--port is required");
    if (!kPortDigits.match(port).hasMatch())
        return QStringLiteral("--port takes a port number, not \"%1\"").arg(port);
    if (!rest.isEmpty())
        return QStringLiteral("unexpected argument \"%1\"").arg(rest.first());
    return std::nullopt;
}

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

int runSend(const Verb &verb, const QStringList &args)
{
    SettingsInputs inputs;
    if (const std::optional<QString> reason = parseSettingsInputs(args, inputs))
        return failUsage(verb, *reason);
    QString port;
    if (const std::optional<QString> reason = takePort(inputs.rest, port))
        return failUsage(verb, *reason);
    SettingsModel model;
    const ApplyResult applied = applySettingsInputs(inputs, model);
    if (!applied.ok())
        return failInputs(verb, applied);
    warnLowerCaseCallsigns(verb, model);
    ConfigBlock block{};
    if (const BuildResult built = buildConfigBlock(model.tracker, block); !built.ok())
        return failRejected(verb, built);
    return sendBlock(verb, block, port);
}

} // namespace tarvek::cli
