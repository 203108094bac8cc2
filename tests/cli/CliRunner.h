#pragma once
// tarvek-cli run as a separate process, as a user or a script runs it.
#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

namespace tarvek::testing
{

// One run: the exit code (-1 when the program did not start or did not end
// in time) and everything it printed.
struct CliRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Variables set for the run on top of the test's own environment, e.g.
// TARVEK_COM1 or LC_ALL.
using CliEnvironment = QList<QPair<QString, QString>>;

// Runs tarvek-cli with `args`, `input` on its standard input. With a
// `stderrFile`, standard error is appended to that file (a terminal, say)
// instead of being collected.
CliRun RunCli(const QStringList &args, const QByteArray &input = {},
              const CliEnvironment &environment = {}, const QString &stderrFile = {});

// The line `tarvek-cli VERB` writes on standard error for the factory
// callsign NOCALL-9, which encode, save and send warn about.
inline QString NocallWarning(const char *verb)
{
    return QStringLiteral("tarvek-cli %1: warning: edMyCall (callsign) \"NOCALL-9\": \"NOCALL\" "
                          "is a placeholder, not a callsign: the tracker would transmit without "
                          "identifying the station and APRS-IS drops its packets; type your own "
                          "callsign\n")
        .arg(QLatin1StringView(verb));
}

} // namespace tarvek::testing
