#pragma once
// The verbs of tarvek-cli. Each takes the arguments after the verb and returns
// the process exit code; each lives in its own file.
#include <QStringList>

namespace tarvek::cli
{

int RunEncode(const QStringList &args);
int RunSave(const QStringList &args);
int RunPosition(const QStringList &args);
int RunSend(const QStringList &args);
int RunDecode(const QStringList &args);
int RunSettings(const QStringList &args);
int RunPorts(const QStringList &args);

// Exit codes shared by the verbs.
enum ExitCode : int {
    ExitOk = 0,
    ExitFailed = 1,
    ExitUsage = 2,
    ExitCfgFailed = 3,
    ExitSerialError = 4,
};

} // namespace tarvek::cli
