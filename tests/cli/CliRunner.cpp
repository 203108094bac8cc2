#include "CliRunner.h"

#include <QProcess>
#include <QProcessEnvironment>

namespace tarvek::testing
{

CliRun RunCli(const QStringList &args, const QByteArray &input, const CliEnvironment &environment,
              const QString &stderrFile)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const auto &[name, value] : environment)
        env.insert(name, value);
    process.setProcessEnvironment(env);
    if (!stderrFile.isEmpty())
        process.setStandardErrorFile(stderrFile, QIODevice::Append);
    process.start(QStringLiteral(TARVEK_CLI), args);
    if (!process.waitForStarted(10000))
        return {};
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

} // namespace tarvek::testing
