// tarvek-cli decode: what a tracker on the far end of the line would see in
// a captured upload (or a bare configuration block).
#include "BlockDecoder.h"
#include "Commands.h"
#include "Diagnostics.h"
#include "Output.h"
#include "VerbArguments.h"
#include "WireDecoder.h"

#include <QFile>

using namespace tarvek::config;
using namespace tarvek::serial;

namespace tarvek::cli
{
namespace
{

struct InputRead {
    QByteArray bytes;
    QString reason; // empty when read

    bool ok() const { return reason.isEmpty(); }
};

// The whole file, or standard input when `path` is empty.
InputRead readInput(const QString &path)
{
    QFile file;
    const bool opened = path.isEmpty() ? file.open(stdin, QIODevice::ReadOnly)
                                       : (file.setFileName(path), file.open(QIODevice::ReadOnly));
    if (!opened)
        return {
            {},
            QStringLiteral("cannot read %1: %2")
                .arg(path.isEmpty() ? QStringLiteral("standard input") : path, file.errorString())};
    return {file.readAll(), {}};
}

} // namespace

int runDecode(const Verb &verb, const VerbArguments &args)
{
    const QString path = args.operand();
    const InputRead input = readInput(path);
    if (!input.ok())
        return fail(verb, ExitFailed, input.reason);
    const ParsedCapture parsed = parseCapture(input.bytes);
    if (!parsed.ok())
        return fail(verb, ExitFailed, parsed.reason);
    QString out;
    for (const Setting &setting : decodeSettings(parsed.block))
        out += settingLine(setting.first, setting.second);
    printText(out);
    return ExitOk;
}

} // namespace tarvek::cli
