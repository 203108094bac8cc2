#pragma once
// The verbs of tarvek-cli, each in its own file and listed in VerbTable.cpp.
// Each takes the arguments after the verb and returns the process exit code.
#include <QStringList>

namespace tarvek::cli
{

int runEncode(const QStringList &args);
int runSave(const QStringList &args);
int runPosition(const QStringList &args);
int runSend(const QStringList &args);
int runDecode(const QStringList &args);
int runSettings(const QStringList &args);
int runPorts(const QStringList &args);

// Exit codes shared by the verbs.
enum ExitCode : int {
    ExitOk = 0,
    ExitFailed = 1,
    ExitUsage = 2,
    ExitCfgFailed = 3,
    ExitSerialError = 4,
};

} // namespace tarvek::cli
