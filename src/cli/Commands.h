#pragma once
// The verbs of tarvek-cli, each in its own file and listed in VerbTable.cpp.
// Each takes its row of the table, for the messages that name it, and the
// command line after the verb as the row's options read it, and returns the
// process exit code.

namespace tarvek::cli
{

struct Verb;
class VerbArguments;

int runEncode(const Verb &verb, const VerbArguments &args);
int runSave(const Verb &verb, const VerbArguments &args);
int runPosition(const Verb &verb, const VerbArguments &args);
int runSend(const Verb &verb, const VerbArguments &args);
int runDecode(const Verb &verb, const VerbArguments &args);
int runSettings(const Verb &verb, const VerbArguments &args);
int runPorts(const Verb &verb, const VerbArguments &args);
int runSymbols(const Verb &verb, const VerbArguments &args);

// Exit codes shared by the verbs. The help pages write them from the verb
// table's rows; a test holds the manual page and the README to them.
enum ExitCode : int {
    ExitOk = 0,
    ExitFailed = 1,
    ExitUsage = 2,
    ExitCfgFailed = 3,
    ExitSerialError = 4,
};

} // namespace tarvek::cli
