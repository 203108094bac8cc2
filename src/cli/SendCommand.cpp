// tarvek-cli send: builds the block as SEND does and uploads it with the same
// wire sequence, pauses and port handling, the progress on stdout.
#include "BlockBuilder.h"
#include "Commands.h"
#include "Diagnostics.h"
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

// The information dialog's texts on a terminal: each new text starts on a
// new line, the dots of the progress follow on the same line. With
// `progressOnStderr` the progress line also goes to standard error as the
// verb's message, each dot as its step ends.
class TerminalView final : public UploadView
{
public:
    TerminalView(const Verb &verb, bool progressOnStderr)
        : m_verb(verb), m_progressOnStderr(progressOnStderr)
    {
    }

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
            printMessage(m_verb, shown);
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

    const Verb &m_verb;
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

int sendBlock(const Verb &verb, const ConfigBlock &block, const QString &portText)
{
    SystemSerialPort port;
    TerminalView view(verb, progressOnStandardError());
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
    return fail(verb, ExitSerialError,
                QStringLiteral("port %1: %2").arg(portText, result.errorDescription));
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
    BuildRejection rejection;
    if (!buildConfigBlock(model.tracker, block, &rejection))
        return failRejected(verb, rejection);
    return sendBlock(verb, block, port);
}

} // namespace tarvek::cli
