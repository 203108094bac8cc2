#include "AprsSymbols.h"
#include "BlockBuilder.h"
#include "Commands.h"
#include "ControlAccess.h"
#include "Diagnostics.h"
#include "Frames.h"
#include "Output.h"
#include "Reports.h"
#include "SettingsInputs.h"

using namespace tarvek::config;
using namespace tarvek::serial;

namespace tarvek::cli
{
namespace
{

QString hexText(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex());
}

QByteArray blockBytes(const ConfigBlock &block)
{
    return QByteArray(reinterpret_cast<const char *>(block.data()), kConfigBlockSize);
}

// 16 bytes a line: offset, hex bytes, and the bytes as ASCII with "." for
// the others. Not the fields' Windows-1252 rule: a byte above 127 alone is no
// character of the terminal's encoding, and the dump shows bytes, not text.
QString hexDump(const QByteArray &bytes)
{
    QString out;
    for (qsizetype row = 0; row < bytes.size(); row += 16) {
        const QByteArray line = bytes.mid(row, 16);
        QString ascii;
        for (char c : line)
            ascii += (c >= ' ' && c <= '~') ? QLatin1Char(c) : QLatin1Char('.');
        out += QStringLiteral("  %1  %2  %3\n")
                   .arg(row, 4, 16, QChar(u'0'))
                   .arg(QString::fromLatin1(line.toHex(' ')), -47)
                   .arg(ascii);
    }
    return out;
}

AprsTable symbolTable(const SettingsModel &model)
{
    return tableOfBox(model.tracker.alternateTable.value());
}

// The symbol the settings choose: {"table": "/", "code": ">", "name": "Car"};
// the name is null for a code outside the tables and for no symbol (code "":
// the field's position unfilled, which SEND refuses).
QString symbolJson(const SettingsModel &model)
{
    const QString text = model.tracker.symbol.content();
    const AprsTable table = symbolTable(model);
    const std::optional<AprsSymbol> symbol = findAprsSymbol(table, text);
    return QStringLiteral("{\"table\": %1, \"code\": %2, \"name\": %3}")
        .arg(jsonQuote(tableCharacter(table)), jsonQuote(text),
             symbol ? jsonQuote(QString(symbol->name)) : QStringLiteral("null"));
}

// The block as the build left it, and the build's verdict.
struct EncodeResult {
    bool built = false; // the build ran: not after a failed --cfg
    ConfigBlock block{};
    BuildResult build;
    std::vector<OnAirWarning> warnings; // of the settings before the build

    bool succeeded() const { return built && build.ok(); }
};

void printReport(const EncodeResult &r, SettingsModel &model, bool json)
{
    const QByteArray block = blockBytes(r.block);
    if (json) {
        const QString wire =
            r.succeeded() ? jsonQuote(hexText(buildWire(r.block))) : QStringLiteral("null");
        const QString rejected = r.built && !r.succeeded()
                                     ? QStringLiteral(", \"rejected\": ") + rejectionJson(r.build)
                                     : QString();
        printOut(QStringLiteral("{\"ok\": %1, \"block\": \"%2\", \"wire\": %3, \"fields\": %4, "
                                "\"symbol\": %5, \"warnings\": %6%7}\n")
                     .arg(r.succeeded() ? QStringLiteral("true") : QStringLiteral("false"),
                          hexText(block), wire, controlsAsJson(model), symbolJson(model),
                          warningsJson(r.warnings), rejected));
        return;
    }
    QString out =
        r.succeeded() ? QStringLiteral("Build succeeded\n") : QStringLiteral("Build failed\n");
    if (r.built)
        out += QStringLiteral("Block (%1 bytes):\n").arg(kConfigBlockSize) + hexDump(block);
    if (r.succeeded())
        out += QStringLiteral("Wire (%1 bytes):\n").arg(kWireSize) + hexDump(buildWire(r.block));
    // A line of its own: scripts read every line after "Settings:" as NAME=VALUE.
    out += QStringLiteral("Symbol: ") +
           symbolDescription(model.tracker.symbol.content(), symbolTable(model)) + u'\n';
    out += QStringLiteral("Settings:\n");
    for (const ControlRef &control : allControls(model)) {
        const auto value = readControl(control);
        out += settingLine(control.name, std::holds_alternative<QString>(value)
                                             ? std::get<QString>(value)
                                             : QString::number(std::get<int>(value)));
    }
    printText(out);
}

} // namespace

int runEncode(const Verb &verb, const VerbArguments &args)
{
    const bool json = args.isSet(kJsonOption);
    SettingsModel model;
    EncodeResult result;
    const ApplyResult applied = applySettingsInputs(verb, args, model);
    if (applied.outcome == ApplyOutcome::CfgFailed)
        printReport(result, model, json); // what was loaded before the failure
    if (!applied.ok())
        return failInputs(verb, applied);
    result.built = true;
    result.warnings = applied.warnings;
    result.build = buildConfigBlock(model.tracker, result.block);
    printReport(result, model, json);
    return result.succeeded() ? ExitOk : failRejected(verb, result.build);
}

} // namespace tarvek::cli
