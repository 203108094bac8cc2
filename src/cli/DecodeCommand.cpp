// tarvek-cli decode: what a tracker on the far end of the line would see in
// a captured upload (or a bare configuration block).
#include "BlockDecoder.h"
#include "Commands.h"
#include "Output.h"
#include "WireDecoder.h"

#include <QFile>

namespace tarvek::cli
{
namespace
{

int UsageError(const QString &reason)
{
    PrintErr(
        QStringLiteral("tarvek-cli decode: %1\nusage: tarvek-cli decode [FILE]\n").arg(reason));
    return ExitUsage;
}

// The whole file, or standard input when `path` is empty.
bool ReadInput(const QString &path, QByteArray &bytes, QString &error)
{
    QFile file;
    const bool opened = path.isEmpty() ? file.open(stdin, QIODevice::ReadOnly)
                                       : (file.setFileName(path), file.open(QIODevice::ReadOnly));
    if (!opened) {
        error =
            QStringLiteral("cannot read %1: %2")
                .arg(path.isEmpty() ? QStringLiteral("standard input") : path, file.errorString());
        return false;
    }
    bytes = file.readAll();
    return true;
}

} // namespace

int RunDecode(const QStringList &args)
{
    if (args.size() > 1)
        return UsageError(QStringLiteral("one FILE at most"));
    const QString path = args.value(0);
    if (path.startsWith(u'-') && path.size() > 1)
        return UsageError(QStringLiteral("unknown option \"%1\"").arg(path));
    QByteArray bytes;
    QString error;
    if (!ReadInput(path, bytes, error)) {
        PrintErr(QStringLiteral("tarvek-cli decode: %1\n").arg(error));
        return ExitFailed;
    }
    const ParsedCapture parsed = ParseCapture(bytes);
    if (!parsed.ok) {
        PrintErr(QStringLiteral("tarvek-cli decode: %1\n").arg(parsed.error));
        return ExitFailed;
    }
    QString out;
    for (const Setting &setting : DecodeSettings(parsed.block))
        out += setting.first + u'=' + setting.second + u'\n';
    PrintOut(out);
    return ExitOk;
}

} // namespace tarvek::cli
