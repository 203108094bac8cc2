#include "Help.h"

namespace tarvek::cli
{
namespace
{

// The inputs of encode, save and send, as their usage lines spell them and
// as the overview abbreviates them.
constexpr const char *kInputsUsage = "[--cfg FILE] [--set NAME=VALUE]...";
constexpr const char *kInputsShort = "[inputs]";

constexpr const char *kInputsHelp =
    "Inputs: the settings start from the factory defaults; --cfg FILE loads a .cfg\n"
    "file as the window's Load does; each --set NAME=VALUE then writes one setting,\n"
    "in the order given. NAME is a control name (edMyCall) or a readable name\n"
    "(callsign): `tarvek-cli settings` lists them with what each takes. Check boxes\n"
    "take 0, 1 or 2; mic-e takes a list position 0 to 7 or its text (\"in-service\").\n"
    "Warnings: settings SEND takes but that go wrong on the air (a placeholder\n"
    "callsign, an obsolete or too long path, beacons more often than once a minute,\n"
    "a GPSless status text without its position) each give a line on stderr,\n"
    "warning: NAME (name) \"TEXT\": reason; nothing else changes.\n";

// The help pages fold their lines before this many characters.
constexpr qsizetype kPageWidth = 80;

// The verb and its arguments; `fold` goes where the usage marks a fold.
QString verbAndArguments(const Verb &verb, const QString &fold)
{
    QString text = QString::fromLatin1(verb.name);
    if (*verb.usage != '\0')
        text += u' ' + QString::fromLatin1(verb.usage).replace(u'\n', fold);
    return text;
}

// "0 built", "0, also when there is no port", "0".
QString exitText(const ExitMeaning &exit)
{
    const QString meaning = QString::fromLatin1(exit.meaning);
    const bool ownSeparator = meaning.isEmpty() || meaning.startsWith(u',');
    return QString::number(exit.code) + (ownSeparator ? QString() : QStringLiteral(" ")) + meaning;
}

// "Exit: 0 built; 1 rejected (...); 2 usage error." in lines shorter than
// kPageWidth; a code stays on the line of its meaning's first word.
QString exitParagraph(std::span<const ExitMeaning> exits)
{
    QStringList words{QStringLiteral("Exit:")};
    for (size_t i = 0; i < exits.size(); ++i) {
        QStringList item = (exitText(exits[i]) + (i + 1 < exits.size() ? u';' : u'.')).split(u' ');
        if (item.size() > 1) {
            const QString code = item.takeFirst();
            item.first().prepend(code + u' ');
        }
        words += item;
    }
    QString text;
    QString line;
    for (const QString &word : std::as_const(words)) {
        if (line.isEmpty()) {
            line = word;
        } else if (line.size() + 1 + word.size() < kPageWidth) {
            line += u' ' + word;
        } else {
            text += line + u'\n';
            line = word;
        }
    }
    return text + line + u'\n';
}

} // namespace

QString usageText()
{
    QString text = QStringLiteral("usage: tarvek-cli <verb> [options]\n");
    for (const Verb &verb : verbs()) {
        // A folded line goes on under the verb's first argument.
        const QString fold = u'\n' + QString(2 + qstrlen(verb.name) + 1, u' ');
        text += QStringLiteral("  ") +
                verbAndArguments(verb, fold)
                    .replace(QLatin1String(kInputsUsage), QLatin1String(kInputsShort)) +
                u'\n';
    }
    return text + QStringLiteral("inputs: ") + QLatin1String(kInputsUsage) +
           QStringLiteral(
               "\n"
               "`tarvek-cli VERB --help` describes a verb with an example.\n"
               "`tarvek-cli settings` lists the names --set takes; `tarvek-cli ports` lists the\n"
               "port numbers --port takes.\n");
}

QString usageLine(const Verb &verb)
{
    return QStringLiteral("usage: tarvek-cli ") + verbAndArguments(verb, QStringLiteral(" "));
}

QString helpPage(const Verb &verb)
{
    // A folded line goes on under the verb's first argument.
    const QString prefix = QStringLiteral("usage: tarvek-cli %1 ").arg(QLatin1String(verb.name));
    const QString fold = u'\n' + QString(prefix.size(), u' ');
    return QStringLiteral("usage: tarvek-cli ") + verbAndArguments(verb, fold) + u'\n' +
           QString::fromLatin1(verb.help).replace(QStringLiteral("%INPUTS%"),
                                                  QLatin1String(kInputsHelp)) +
           exitParagraph(verb.exits) + QStringLiteral("example: ") + QLatin1String(verb.example) +
           u'\n';
}

bool asksForHelp(const QStringList &args)
{
    return args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"));
}

} // namespace tarvek::cli
