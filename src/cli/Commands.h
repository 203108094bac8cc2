#pragma once
// The verbs of tarvek-cli, each in its own file and listed in VerbTable.cpp.
// Each takes its row of the table, for the messages that name it, and the
// arguments after the verb, and returns the process exit code.
#include <QStringList>

namespace tarvek::cli
{

struct Verb;

int runEncode(const Verb &verb, const QStringList &args);
int runSave(const Verb &verb, const QStringList &args);
int runPosition(const Verb &verb, const QStringList &args);
int runSend(const Verb &verb, const QStringList &args);
int runDecode(const Verb &verb, const QStringList &args);
int runSettings(const Verb &verb, const QStringList &args);
int runPorts(const Verb &verb, const QStringList &args);
int runSymbols(const Verb &verb, const QStringList &args);

// Exit codes shared by the verbs.
enum ExitCode : int {
    ExitOk = 0,
    ExitFailed = 1,
    ExitUsage = 2,
    ExitCfgFailed = 3,
    ExitSerialError = 4,
};

} // namespace tarvek::cli
