#include "Reports.h"

#include "Commands.h"
#include "ControlAccess.h"
#include "Diagnostics.h"
#include "SettingKeys.h"
#include "UserTexts.h"

#include <algorithm>

using namespace tarvek::cfgfile;
using namespace tarvek::config;

namespace tarvek::cli
{
namespace
{

QString settingNames(QAnyStringView key)
{
    const SettingDescription *setting = findSetting(key);
    return setting ? namesText(*setting) : key.toString();
}

} // namespace

QString cfgFailureText(const QString &path, const CfgResult &result)
{
    QString where = QStringLiteral("--cfg %1: ").arg(path);
    if (result.line > 0) {
        where += QStringLiteral("line %1, ").arg(result.line);
        const bool unread = result.error == CfgError::InputPastEnd ||
                            result.error == CfgError::ValueTooLong ||
                            result.error == CfgError::DeviceIo;
        where +=
            unread ? QStringLiteral("reading the value for %1: ").arg(settingNames(result.setting))
                   : QStringLiteral("%1 \"%2\": ").arg(settingNames(result.setting), result.value);
    }
    return where + result.reason;
}

int failRejected(const Verb &verb, const BuildResult &rejection)
{
    const QString windowMessage = config::texts::kRejected;
    if (!rejection.setting)
        return fail(verb, ExitFailed, windowMessage);
    printMessage(verb, windowMessage + u'\n');
    return fail(verb, ExitFailed, namesText(*rejection.setting) + u' ' + rejectionText(rejection));
}

QString rejectionJson(const BuildResult &rejection)
{
    const QString control = rejection.setting ? QString(rejection.setting->key) : QString();
    return QStringLiteral("{\"control\": %1, \"text\": %2, \"reason\": %3}")
        .arg(jsonQuote(control), jsonQuote(rejection.text), jsonQuote(rejection.reason));
}

void warnLowerCaseCallsigns(const Verb &verb, SettingsModel &model)
{
    for (const char *key : {key::kCallsign, key::kMessageTo, key::kPath}) {
        const auto control = findControl(model, QString::fromLatin1(key));
        if (!control)
            continue;
        const QString text = control->as<MaskedField>()->text();
        if (std::none_of(text.cbegin(), text.cend(), [](QChar ch) { return ch.isLower(); }))
            continue;
        printMessage(verb, QStringLiteral("warning: %1 \"%2\" has lower-case letters; the window "
                                          "upper-cases callsigns as they are typed\n")
                               .arg(namesText(*control->setting), text));
    }
}

std::vector<OnAirWarning> warnOnAir(const Verb &verb, const TrackerSettings &settings)
{
    std::vector<OnAirWarning> warnings = onAirWarnings(settings);
    for (const OnAirWarning &warning : warnings) {
        printMessage(verb, QStringLiteral("warning: %1 \"%2\": %3\n")
                               .arg(namesText(*warning.setting), warning.text, warning.reason));
    }
    return warnings;
}

QString warningsJson(const std::vector<OnAirWarning> &warnings)
{
    QStringList objects;
    for (const OnAirWarning &warning : warnings) {
        objects << QStringLiteral("{\"control\": %1, \"text\": %2, \"reason\": %3}")
                       .arg(jsonQuote(QString(warning.setting->key)), jsonQuote(warning.text),
                            jsonQuote(warning.reason));
    }
    return u'[' + objects.join(QStringLiteral(", ")) + u']';
}

} // namespace tarvek::cli
