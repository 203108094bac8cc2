// tarvek-cli send: builds the block as SEND does and uploads it with the same
// wire sequence, pauses and port handling, the progress on stdout.
#include "BlockBuilder.h"
#include "Commands.h"
#include "Output.h"
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

int usageError(const QString &reason)
{
    printErr(QStringLiteral("tarvek-cli send: %1\n"
                            "usage: tarvek-cli send --port N [--cfg FILE] [--set NAME=VALUE]...\n")
                 .arg(reason));
    return ExitUsage;
}

// The information dialog's texts on a terminal: each new text starts on a
// new line, the dots of the progress follow on the same line. With
// `progressOnStderr` the progress line also goes to standard error, each dot
// as its step ends.
class TerminalView final : public UploadView
{
public:
    explicit TerminalView(bool progressOnStderr) : m_progressOnStderr(progressOnStderr) {}

    void setInfoText(const QString &text) override
    {
        QString shown = text;
        shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        while (shown.startsWith(u'\n'))
            shown.remove(0, 1);
        printOut((m_lineOpen ? QStringLiteral("\n") : QString()) + shown);
        m_lineOpen = true;
        endStderrLine();
        if (m_progressOnStderr && !m_progressShown) {
            printErr(QStringLiteral("tarvek-cli send: ") + shown);
            m_progressShown = m_stderrLineOpen = true;
        }
    }
    void appendInfoText(const QString &text) override
    {
        printOut(text);
        if (m_stderrLineOpen)
            printErr(text);
    }
    void setOkVisible(bool) override {}
    void showNonModal() override {}
    void finish()
    {
        if (m_lineOpen)
            printOut(QStringLiteral("\n"));
        m_lineOpen = false;
        endStderrLine();
    }

private:
    void endStderrLine()
    {
        if (m_stderrLineOpen)
            printErr(QStringLiteral("\n"));
        m_stderrLineOpen = false;
    }

    bool m_progressOnStderr;
    bool m_progressShown = false;
    bool m_stderrLineOpen = false;
    bool m_lineOpen = false;
};

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

int sendBlock(const ConfigBlock &block, const QString &portText)
{
    SystemSerialPort port;
    TerminalView view(progressOnStandardError());
    const UploadResult result = uploadConfigBlock(block, portText, port, view, blockingHooks());
    view.finish();
    switch (result.outcome) {
    case UploadOutcome::Sent:
        return ExitOk;
    case UploadOutcome::NotOpened:
        printErr(QStringLiteral("tarvek-cli send: port %1 did not open\n").arg(portText));
        return ExitSerialError;
    case UploadOutcome::Failed:
        break;
    }
    printErr(
        QStringLiteral("tarvek-cli send: port %1: %2\n").arg(portText, result.errorDescription));
    return ExitSerialError;
}

} // namespace

int runSend(const QStringList &args)
{
    SettingsInputs inputs;
    if (const std::optional<QString> reason = parseSettingsInputs(args, inputs))
        return usageError(*reason);
    QString port;
    if (const std::optional<QString> reason = takePort(inputs.rest, port))
        return usageError(*reason);
    SettingsModel model;
    const ApplyResult applied = applySettingsInputs(inputs, model);
    if (!applied.ok())
        return inputFailureExit(applied, QStringLiteral("send"));
    warnLowerCaseCallsigns(QStringLiteral("send"), model);
    ConfigBlock block{};
    BuildRejection rejection;
    if (!buildConfigBlock(model.tracker, block, &rejection)) {
        printErr(rejectionText(QStringLiteral("send"), rejection));
        return ExitFailed;
    }
    return sendBlock(block, port);
}

} // namespace tarvek::cli
