// tarvek-cli send: builds the block as SEND does and uploads it with the same
// wire sequence, pauses and port handling, the progress on stdout.
#include "BlockBuilder.h"
#include "Commands.h"
#include "Output.h"
#include "SettingsInputs.h"
#include "SystemSerialPort.h"
#include "Upload.h"

#include <QRegularExpression>

namespace tarvek::cli
{
namespace
{

const char *const kRejected = "Parametri incompleti o non corretti";

int UsageError(const QString &reason)
{
    PrintErr(QStringLiteral("tarvek-cli send: %1\n"
                            "usage: tarvek-cli send --port N [--cfg FILE] [--set NAME=VALUE]...\n")
                 .arg(reason));
    return ExitUsage;
}

// The information dialog's texts on a terminal: each new text starts on a
// new line, the dots of the progress follow on the same line.
class TerminalView final : public UploadView
{
public:
    void setInfoText(const QString &text) override
    {
        QString shown = text;
        shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        while (shown.startsWith(u'\n'))
            shown.remove(0, 1);
        PrintOut((m_lineOpen ? QStringLiteral("\n") : QString()) + shown);
        m_lineOpen = true;
    }
    void appendInfoText(const QString &text) override { PrintOut(text); }
    void setOkVisible(bool) override {}
    void showNonModal() override {}
    void finish()
    {
        if (m_lineOpen)
            PrintOut(QStringLiteral("\n"));
        m_lineOpen = false;
    }

private:
    bool m_lineOpen = false;
};

// --port takes the digits of a port number; everything else is an input.
bool TakePort(QStringList &rest, QString &port, QString &error)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,5}$"));
    for (qsizetype i = 0; i < rest.size(); ++i) {
        if (rest[i] != QLatin1String("--port"))
            continue;
        if (i + 1 >= rest.size() || !port.isNull()) {
            error = i + 1 >= rest.size() ? QStringLiteral("--port needs a value")
                                         : QStringLiteral("--port given twice");
            return false;
        }
        port = rest[i + 1];
        rest.remove(i, 2);
        --i;
    }
    if (port.isNull())
        error = QStringLiteral("--port is required");
    else if (!digits.match(port).hasMatch())
        error = QStringLiteral("--port takes a port number, not \"%1\"").arg(port);
    else if (!rest.isEmpty())
        error = QStringLiteral("unexpected argument \"%1\"").arg(rest.first());
    return error.isEmpty();
}

int Upload(const ConfigBlock &block, const QString &portText)
{
    SystemSerialPort port;
    TerminalView view;
    const UploadResult result = UploadConfigBlock(block, portText, port, view, BlockingHooks());
    view.finish();
    switch (result.outcome) {
    case UploadOutcome::Sent:
        return ExitOk;
    case UploadOutcome::NotOpened:
        PrintErr(QStringLiteral("tarvek-cli send: port %1 did not open\n").arg(portText));
        return ExitSerialError;
    case UploadOutcome::Failed:
        break;
    }
    PrintErr(result.errorDescription + u'\n');
    return ExitSerialError;
}

} // namespace

int RunSend(const QStringList &args)
{
    SettingsInputs inputs;
    QString error;
    QString port;
    if (!ParseSettingsInputs(args, inputs, error) || !TakePort(inputs.rest, port, error))
        return UsageError(error);
    SettingsModel model;
    const ApplyOutcome applied = ApplySettingsInputs(inputs, model, error);
    if (applied != ApplyOutcome::Applied)
        return InputFailureExit(applied, QStringLiteral("send"), error);
    ConfigBlock block{};
    if (!BuildConfigBlock(model.tracker, block)) {
        PrintErr(QString::fromLatin1(kRejected) + u'\n');
        return ExitFailed;
    }
    return Upload(block, port);
}

} // namespace tarvek::cli
