#include "VerbArguments.h"

#include "MaskedField.h"
#include "SettingKeys.h"
#include "SettingsDescription.h"

#include <algorithm>

namespace tarvek::cli
{
namespace
{

QString optionName(const VerbOption &option)
{
    return QString::fromLatin1(option.name);
}

QString dashed(const VerbOption &option)
{
    return QStringLiteral("--") + optionName(option);
}

// The unknown option as typed, "--name" or "-name", without a value after "=".
QString typedOption(const QString &name, const QStringList &args)
{
    const QString doubleDashed = QStringLiteral("--") + name;
    const bool withTwoDashes = std::any_of(args.cbegin(), args.cend(), [&](const QString &arg) {
        return arg == doubleDashed || arg.startsWith(doubleDashed + u'=');
    });
    return (withTwoDashes ? doubleDashed : u'-' + name);
}

// What is wrong with an option's value, judged by its kind; empty when it
// is fine.
QString valueProblem(const VerbOption &option, const QString &value)
{
    switch (option.value) {
    case OptionValue::Setting:
        if (value.indexOf(u'=') > 0)
            return {};
        return QStringLiteral("%1 takes NAME=VALUE, not \"%2\"").arg(dashed(option), value);
    case OptionValue::PortNumber: {
        // A number "Comm num:" takes: its field's own rule, its empty text
        // (the prompt) aside.
        config::MaskedField field = config::describedField(config::key::kPort);
        if (!value.isEmpty() && value.front().isDigit() && field.setText(value))
            return {};
        return QStringLiteral("%1 takes a port number up to %2, not \"%3\"")
            .arg(dashed(option))
            .arg(field.maxNumber())
            .arg(value);
    }
    case OptionValue::None:
    case OptionValue::Text:
    case OptionValue::CfgFile:
        break;
    }
    return {};
}

} // namespace

VerbArguments::VerbArguments(const Verb &verb, const QStringList &args)
{
    // No verb has short options: "-lat" is --lat, and "-x" an unknown option
    // "-x" rather than the letters x.
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const VerbOption &option : verb.options) {
        const QString valueName =
            option.value == OptionValue::None ? QString() : QStringLiteral("value");
        m_parser.addOption(QCommandLineOption(optionName(option), QString(), valueName));
    }
    // The parser takes the program's name first.
    const bool parsed = m_parser.parse(QStringList{QString::fromLatin1(verb.name)} + args);
    m_reason = problem(verb, args, parsed);
}

bool VerbArguments::isSet(const VerbOption &option) const
{
    return m_parser.isSet(optionName(option));
}

QString VerbArguments::value(const VerbOption &option) const
{
    return m_parser.value(optionName(option));
}

QStringList VerbArguments::values(const VerbOption &option) const
{
    return m_parser.values(optionName(option));
}

QString VerbArguments::operand() const
{
    const QStringList operands = m_parser.positionalArguments();
    return operands.isEmpty() ? QString() : operands.first();
}

QString VerbArguments::problem(const Verb &verb, const QStringList &args, bool parsed) const
{
    if (!parsed)
        return parseProblem(verb, args);
    const QStringList given = m_parser.optionNames();
    for (const VerbOption &option : verb.options) {
        if (option.occurrence != Occurrence::Repeatable && given.count(optionName(option)) > 1)
            return QStringLiteral("%1 given more than once").arg(dashed(option));
    }
    const QStringList operands = m_parser.positionalArguments();
    const qsizetype allowed = verb.operand.name != nullptr ? 1 : 0;
    if (operands.size() > allowed)
        return QStringLiteral("unexpected argument \"%1\"").arg(operands.at(allowed));
    if (verb.operand.required && operands.isEmpty())
        return QStringLiteral("%1 is missing").arg(QLatin1String(verb.operand.name));
    for (const VerbOption &option : verb.options) {
        if (option.occurrence == Occurrence::Required && !isSet(option))
            return QStringLiteral("%1 is required").arg(dashed(option));
    }
    // A flag has no values to ask for (Qt warns when asked).
    for (const VerbOption &option : verb.options) {
        if (option.value == OptionValue::None)
            continue;
        for (const QString &value : values(option)) {
            if (QString reason = valueProblem(option, value); !reason.isEmpty())
                return reason;
        }
    }
    return {};
}

QString VerbArguments::parseProblem(const Verb &verb, const QStringList &args) const
{
    const QStringList unknown = m_parser.unknownOptionNames();
    if (!unknown.isEmpty())
        return QStringLiteral("unknown option \"%1\"").arg(typedOption(unknown.first(), args));
    // Otherwise a known option went wrong. The parser lists each option it
    // met and keeps a value each time there was one to take, which only the
    // last argument can lack.
    const QStringList given = m_parser.optionNames();
    for (const VerbOption &option : verb.options) {
        if (option.value != OptionValue::None &&
            given.count(optionName(option)) > values(option).size())
            return QStringLiteral("%1 needs a value").arg(args.last());
    }
    // Or a flag was given a value: "--json=1".
    for (const QString &arg : args) {
        const QString word = arg.section(u'=', 0, 0);
        const bool isFlag =
            std::any_of(verb.options.begin(), verb.options.end(), [&](const VerbOption &option) {
                return option.value == OptionValue::None && given.contains(optionName(option)) &&
                       (word == dashed(option) || word == u'-' + optionName(option));
            });
        if (isFlag && word != arg)
            return QStringLiteral("%1 takes no value").arg(word);
    }
    return m_parser.errorText();
}

} // namespace tarvek::cli
