#pragma once
// The command line after a verb, read by QCommandLineParser with the options
// of the verb's row in the verb table. Both `--name value` and `--name=value`
// give an option its value; "--" ends the options.
#include "VerbTable.h"

#include <QCommandLineParser>
#include <QStringList>

namespace tarvek::cli
{

class VerbArguments
{
public:
    VerbArguments(const Verb &verb, const QStringList &args);

    // Whether the command line fits the verb: known options, each with a
    // value when it takes one and none otherwise, no option given more often
    // than it may be, the required ones there, the operand if the verb takes
    // one and nothing else, and every --set and --port value in its form.
    bool ok() const { return m_reason.isEmpty(); }
    // Why not, in the one wording every verb uses: `unknown option "--x"`,
    // "--lat needs a value", `unexpected argument "x"`, ... Empty when ok().
    const QString &reason() const { return m_reason; }

    bool isSet(const VerbOption &option) const;
    // The option's value; null when it is not set.
    QString value(const VerbOption &option) const;
    // Every value of a repeatable option, in the order given.
    QStringList values(const VerbOption &option) const;
    // The verb's operand; null when absent.
    QString operand() const;

private:
    QString problem(const Verb &verb, const QStringList &args, bool parsed) const;
    QString parseProblem(const Verb &verb, const QStringList &args) const;

    QCommandLineParser m_parser;
    QString m_reason;
};

} // namespace tarvek::cli
