#include "BlockBuilder.h"
#include "Commands.h"
#include "ControlAccess.h"
#include "Frames.h"
#include "Output.h"
#include "Reports.h"
#include "SettingsInputs.h"

namespace tarvek::cli
{
namespace
{

QString Hex(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex());
}

QByteArray BlockBytes(const ConfigBlock &block)
{
    return QByteArray(reinterpret_cast<const char *>(block.data()), kConfigBlockSize);
}

// 16 bytes a line: offset, hex bytes, printable characters.
QString HexDump(const QByteArray &bytes)
{
    QString out;
    for (qsizetype row = 0; row < bytes.size(); row += 16) {
        const QByteArray line = bytes.mid(row, 16);
        QString ascii;
        for (char c : line)
            ascii += (c >= 32 && c < 127) ? QChar(u' ' + (c - ' ')) : QChar(u'.');
        out += QStringLiteral("  %1  %2  %3\n")
                   .arg(row, 4, 16, QChar(u'0'))
                   .arg(QString::fromLatin1(line.toHex(' ')), -47)
                   .arg(ascii);
    }
    return out;
}

struct EncodeResult {
    bool ok = false;
    bool built = false; // the build ran
    ConfigBlock block{};
    BuildRejection rejection; // why a build that ran failed
};

void Report(const EncodeResult &r, SettingsModel &model, bool json)
{
    const QByteArray block = BlockBytes(r.block);
    if (json) {
        const QString wire = r.ok ? JsonQuote(Hex(BuildWire(r.block))) : QStringLiteral("null");
        const QString rejected =
            r.built && !r.ok ? QStringLiteral(", \"rejected\": ") + RejectionJson(r.rejection)
                             : QString();
        PrintOut(QStringLiteral("{\"ok\": %1, \"block\": \"%2\", \"wire\": %3, \"fields\": %4%5}\n")
                     .arg(r.ok ? QStringLiteral("true") : QStringLiteral("false"), Hex(block), wire,
                          ControlsAsJson(model), rejected));
        return;
    }
    QString out = r.ok ? QStringLiteral("Build succeeded\n") : QStringLiteral("Build failed\n");
    if (r.built)
        out += QStringLiteral("Block (%1 bytes):\n").arg(kConfigBlockSize) + HexDump(block);
    if (r.ok)
        out += QStringLiteral("Wire (%1 bytes):\n").arg(kWireSize) + HexDump(BuildWire(r.block));
    out += QStringLiteral("Settings:\n") + ControlsAsLines(model);
    PrintOut(out);
}

} // namespace

int RunEncode(const QStringList &args)
{
    SettingsInputs inputs;
    QString error;
    if (!ParseSettingsInputs(args, inputs, error)) {
        PrintErr(QStringLiteral("tarvek-cli encode: %1\n").arg(error));
        return ExitUsage;
    }
    bool json = false;
    for (const QString &arg : inputs.rest) {
        if (arg != QLatin1String("--json")) {
            PrintErr(QStringLiteral("tarvek-cli encode: unexpected argument \"%1\"\n").arg(arg));
            return ExitUsage;
        }
        json = true;
    }
    SettingsModel model;
    EncodeResult result;
    switch (ApplySettingsInputs(inputs, model, error)) {
    case ApplyOutcome::SetRefused:
        PrintErr(QStringLiteral("tarvek-cli encode: %1\n").arg(error));
        return ExitUsage;
    case ApplyOutcome::CfgFailed:
        Report(result, model, json);
        PrintErr(QStringLiteral("tarvek-cli encode: %1\n").arg(error));
        return ExitCfgFailed;
    case ApplyOutcome::Applied:
        break;
    }
    WarnLowerCaseCallsigns(QStringLiteral("encode"), model);
    result.built = true;
    result.ok = BuildConfigBlock(model.tracker, result.block, &result.rejection);
    Report(result, model, json);
    if (!result.ok) {
        PrintErr(RejectionText(QStringLiteral("encode"), result.rejection));
        return ExitFailed;
    }
    return ExitOk;
}

} // namespace tarvek::cli
