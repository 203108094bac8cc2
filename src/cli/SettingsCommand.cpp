// tarvek-cli settings: every setting with its names, caption, format,
// factory default and place in the configuration block.
#include "Commands.h"
#include "ControlAccess.h"
#include "Output.h"
#include "SettingsDescription.h"
#include "VerbArguments.h"

using namespace tarvek::config;

namespace tarvek::cli
{
namespace
{

bool isText(const SettingDescription &setting)
{
    return setting.kind == ControlKind::MaskedText;
}

QString defaultAsJson(const SettingDescription &setting)
{
    return isText(setting) ? jsonQuote(setting.defaultText) : QString::number(setting.defaultValue);
}

QString defaultForPeople(const SettingDescription &setting)
{
    return isText(setting) ? u'"' + QString(setting.defaultText) + u'"'
                           : QString::number(setting.defaultValue);
}

} // namespace

int runSettings(const Verb & /*verb*/, const VerbArguments &args)
{
    const bool json = args.isSet(kJsonOption);
    QStringList lines;
    for (const SettingDescription &setting : allSettings()) {
        if (json) {
            lines << QStringLiteral("{\"control\": %1, \"name\": %2, \"caption\": %3, "
                                    "\"format\": %4, \"default\": %5, \"block\": %6}")
                         .arg(jsonQuote(setting.key), jsonQuote(setting.name),
                              jsonQuote(setting.caption), jsonQuote(formatText(setting)),
                              defaultAsJson(setting), jsonQuote(blockBytesText(setting.block)));
        } else {
            lines << QStringList{setting.key,
                                 setting.name,
                                 setting.caption,
                                 formatText(setting),
                                 QStringLiteral("default ") + defaultForPeople(setting),
                                 blockBytesText(setting.block)}
                         .join(QStringLiteral(" | "));
        }
    }
    printRows(lines, json);
    return ExitOk;
}

} // namespace tarvek::cli
