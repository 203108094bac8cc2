// Writes the bash completion script of tarvek-cli at build time: the template
// (packaging/completion/tarvek-cli.in) with the verbs, their options and
// summaries filled in from the verb table, so that the script offers what the
// program takes.
//
// usage: tarvek_completion_generator TEMPLATE OUTPUT
#include "Output.h"
#include "VerbTable.h"

#include <QFile>
#include <QSaveFile>

namespace tarvek::cli
{
namespace
{

QString dashed(const VerbOption &option)
{
    return QStringLiteral("--") + QLatin1String(option.name);
}

// A comment line for each verb: its name and what it is for.
QString verbSummaries()
{
    QString text = QStringLiteral("#\n# The verbs:\n");
    for (const Verb &verb : verbs())
        text += QStringLiteral("#   %1 %2\n")
                    .arg(QLatin1String(verb.name), -9)
                    .arg(QLatin1String(verb.summary));
    return text;
}

QString verbNames()
{
    QStringList names;
    for (const Verb &verb : verbs())
        names << QString::fromLatin1(verb.name);
    return names.join(u' ');
}

// The case pattern of the options whose value is typed freely: nothing is
// offered after them. The template knows what --cfg, --set and --port take.
QString freeValueOptions()
{
    QStringList options;
    for (const Verb &verb : verbs()) {
        for (const VerbOption &option : verb.options) {
            if (option.value == OptionValue::Text && !options.contains(dashed(option)))
                options << dashed(option);
        }
    }
    return options.join(QStringLiteral(" | "));
}

// One case branch a verb: the options it offers, and whether a word that is
// no option completes to a file name (the verb's operand).
QString verbOptions()
{
    QString text;
    for (const Verb &verb : verbs()) {
        QStringList options;
        for (const VerbOption &option : verb.options)
            options << dashed(option);
        options << QStringLiteral("--help");
        text += QStringLiteral("        %1) options=\"%2\"%3 ;;\n")
                    .arg(QLatin1String(verb.name), options.join(u' '),
                         verb.operand.name != nullptr ? QStringLiteral(" files=1") : QString());
    }
    return text;
}

// Replaces `placeholder` in `script`; false when the template lacks it.
bool fill(QString &script, const QString &placeholder, const QString &text)
{
    if (!script.contains(placeholder))
        return false;
    script.replace(placeholder, text);
    return true;
}

int generate(const QString &templatePath, const QString &outputPath)
{
    QFile in(templatePath);
    if (!in.open(QIODevice::ReadOnly)) {
        printErr(QStringLiteral("cannot read %1: %2\n").arg(templatePath, in.errorString()));
        return 1;
    }
    QString script = QString::fromUtf8(in.readAll());
    const bool filled = fill(script, QStringLiteral("@VERB_SUMMARIES@\n"), verbSummaries()) &&
                        fill(script, QStringLiteral("@VERBS@"), verbNames()) &&
                        fill(script, QStringLiteral("@FREE_VALUE_OPTIONS@"), freeValueOptions()) &&
                        fill(script, QStringLiteral("@VERB_OPTIONS@\n"), verbOptions());
    if (!filled) {
        printErr(QStringLiteral("%1 lacks a placeholder\n").arg(templatePath));
        return 1;
    }
    QSaveFile out(outputPath);
    if (!out.open(QIODevice::WriteOnly) || out.write(script.toUtf8()) < 0 || !out.commit()) {
        printErr(QStringLiteral("cannot write %1: %2\n").arg(outputPath, out.errorString()));
        return 1;
    }
    return 0;
}

} // namespace
} // namespace tarvek::cli

int main(int argc, char **argv)
{
    if (argc != 3) {
        tarvek::cli::printErr(
            QStringLiteral("usage: tarvek_completion_generator TEMPLATE OUTPUT\n"));
        return 2;
    }
    return tarvek::cli::generate(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]));
}
