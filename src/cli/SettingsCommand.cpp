// tarvek-cli settings: every setting with its names, caption, format,
// factory default and place in the configuration block.
#include "Commands.h"
#include "ControlAccess.h"
#include "Output.h"
#include "SettingsDescription.h"

namespace tarvek::cli
{
namespace
{

bool IsText(const SettingDescription &setting)
{
    return setting.kind == ControlKind::MaskedText;
}

QString DefaultAsJson(const SettingDescription &setting)
{
    return IsText(setting) ? JsonQuote(setting.defaultText) : QString::number(setting.defaultValue);
}

QString DefaultForPeople(const SettingDescription &setting)
{
    return IsText(setting) ? u'"' + QString(setting.defaultText) + u'"'
                           : QString::number(setting.defaultValue);
}

} // namespace

int RunSettings(const QStringList &args)
{
    for (const QString &arg : args) {
        if (arg != QLatin1String("--json")) {
            PrintErr(QStringLiteral("tarvek-cli settings: unexpected argument \"%1\"\n"
                                    "usage: tarvek-cli settings [--json]\n")
                         .arg(arg));
            return ExitUsage;
        }
    }
    const bool json = !args.isEmpty();
    QStringList lines;
    for (const SettingDescription &setting : AllSettings()) {
        if (json) {
            lines << QStringLiteral("{\"control\": %1, \"name\": %2, \"caption\": %3, "
                                    "\"format\": %4, \"default\": %5, \"block\": %6}")
                         .arg(JsonQuote(setting.key), JsonQuote(setting.name),
                              JsonQuote(setting.caption), JsonQuote(FormatText(setting)),
                              DefaultAsJson(setting), JsonQuote(BlockBytesText(setting.block)));
        } else {
            lines << QStringList{setting.key,
                                 setting.name,
                                 setting.caption,
                                 FormatText(setting),
                                 QStringLiteral("default ") + DefaultForPeople(setting),
                                 BlockBytesText(setting.block)}
                         .join(QStringLiteral(" | "));
        }
    }
    PrintOut(json ? u'[' + lines.join(QStringLiteral(",\n ")) + QStringLiteral("]\n")
                  : lines.join(u'\n') + u'\n');
    return ExitOk;
}

} // namespace tarvek::cli
