#include "Reports.h"

#include "Commands.h"
#include "ControlAccess.h"
#include "Output.h"

#include <algorithm>

namespace tarvek::cli
{
namespace
{

QString Names(QAnyStringView key)
{
    const SettingDescription *setting = FindSetting(key);
    return setting ? NamesText(*setting) : key.toString();
}

} // namespace

QString CfgFailureText(const QString &path, const CfgResult &result)
{
    QString where = QStringLiteral("--cfg %1: ").arg(path);
    if (result.line > 0) {
        where += QStringLiteral("line %1, ").arg(result.line);
        const bool unread = result.error == CfgError::InputPastEnd ||
                            result.error == CfgError::ValueTooLong ||
                            result.error == CfgError::DeviceIo;
        where += unread ? QStringLiteral("reading the value for %1: ").arg(Names(result.setting))
                        : QStringLiteral("%1 \"%2\": ").arg(Names(result.setting), result.value);
    }
    return where + result.description;
}

QString RejectionText(const QString &verb, const BuildRejection &rejection)
{
    const QString prefix = QStringLiteral("tarvek-cli %1: ").arg(verb);
    QString text = prefix + QStringLiteral("Parametri incompleti o non corretti\n");
    if (rejection.setting)
        text += prefix + QStringLiteral("%1 \"%2\": %3\n")
                             .arg(NamesText(*rejection.setting), rejection.text, rejection.reason);
    return text;
}

QString RejectionJson(const BuildRejection &rejection)
{
    const QString control = rejection.setting ? QString(rejection.setting->key) : QString();
    return QStringLiteral("{\"control\": %1, \"text\": %2, \"reason\": %3}")
        .arg(JsonQuote(control), JsonQuote(rejection.text), JsonQuote(rejection.reason));
}

void WarnLowerCaseCallsigns(const QString &verb, SettingsModel &model)
{
    for (const char *key : {"edMyCall", "edDestCall", "edAprsPath"}) {
        const auto control = FindControl(model, QString::fromLatin1(key));
        const QString text = control->field->text();
        if (std::none_of(text.cbegin(), text.cend(), [](QChar ch) { return ch.isLower(); }))
            continue;
        PrintErr(QStringLiteral("tarvek-cli %1: warning: %2 \"%3\" has lower-case letters; the "
                                "window upper-cases callsigns as they are typed\n")
                     .arg(verb, NamesText(*control->setting), text));
    }
}

} // namespace tarvek::cli
