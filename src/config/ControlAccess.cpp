#include "ControlAccess.h"

namespace tarvek
{
namespace
{

std::optional<int> ParseWholeNumber(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return value;
}

ControlRef Text(const QString &name, MaskedField &field)
{
    ControlRef ref{name};
    ref.field = &field;
    return ref;
}

ControlRef Check(const QString &name, CheckBox &box)
{
    ControlRef ref{name};
    ref.checkBox = &box;
    return ref;
}

} // namespace

std::vector<ControlRef> AllControls(SettingsModel &model)
{
    TrackerSettings &s = model.tracker;
    CalculatorSettings &c = model.calculator;
    std::vector<ControlRef> all = {
        Text(QStringLiteral("edComm"), s.edComm),
        Text(QStringLiteral("edNumFlagsAuto"), s.edNumFlagsAuto),
        Text(QStringLiteral("edMsgRepeat"), s.edMsgRepeat),
    };
    ControlRef mic{QStringLiteral("cbMicEMsg")};
    mic.list = &s.cbMicEMsg;
    all.push_back(mic);
    all.push_back(Check(QStringLiteral("chkAutoReply"), s.chkAutoReply));
    all.push_back(Text(QStringLiteral("edSymbol"), s.edSymbol));
    all.push_back(Check(QStringLiteral("chkTable"), s.chkTable));
    all.push_back(Text(QStringLiteral("edGpsCheckTime"), s.edGpsCheckTime));
    all.push_back(Text(QStringLiteral("edGpsAcqTime"), s.edGpsAcqTime));
    for (int i = 0; i < kSpeedBands; ++i)
        all.push_back(Text(QStringLiteral("esSpeedTable(%1)").arg(i),
                           s.esSpeedTable[static_cast<size_t>(i)]));
    all.push_back(Text(QStringLiteral("edManualTime"), s.edManualTime));
    all.push_back(Text(QStringLiteral("edBcnEvery"), s.edBcnEvery));
    all.push_back(Check(QStringLiteral("chkRxPosition"), s.chkRxPosition));
    all.push_back(Text(QStringLiteral("edMyCall"), s.edMyCall));
    all.push_back(Text(QStringLiteral("edAprsPath"), s.edAprsPath));
    all.push_back(Text(QStringLiteral("edBeacon"), s.edBeacon));
    all.push_back(Text(QStringLiteral("edDestCall"), s.edDestCall));
    all.push_back(Text(QStringLiteral("edAprsMsg"), s.edAprsMsg));
    all.push_back(Text(QStringLiteral("txtLat"), c.txtLat));
    all.push_back(Text(QStringLiteral("txtLng"), c.txtLng));
    all.push_back(Check(QStringLiteral("chkCent"), c.chkCent));
    ControlRef norm{QStringLiteral("optLLtoNorm")};
    norm.option = &c.optLLtoNorm;
    all.push_back(norm);
    return all;
}

std::optional<ControlRef> FindControl(SettingsModel &model, const QString &name)
{
    for (const ControlRef &ref : AllControls(model)) {
        if (ref.name == name)
            return ref;
    }
    return std::nullopt;
}

bool WriteControl(const ControlRef &control, const QString &value, QString *error)
{
    auto refuse = [&](const QString &why) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(control.name, why);
        return false;
    };
    if (control.field) {
        if (!control.field->setText(value))
            return refuse(QStringLiteral("the field does not take the text \"%1\"").arg(value));
        return true;
    }
    const auto number = ParseWholeNumber(value);
    if (!number)
        return refuse(QStringLiteral("\"%1\" is not a whole number").arg(value));
    if (control.checkBox && !control.checkBox->setValue(*number))
        return refuse(QStringLiteral("a check box takes 0, 1 or 2"));
    if (control.list && !control.list->setIndex(*number))
        return refuse(QStringLiteral("the list position must be 0 to %1")
                          .arg(control.list->items().size() - 1));
    if (control.option) {
        if (*number != 0 && *number != 1)
            return refuse(QStringLiteral("takes 1 (normal form) or 0 (compressed form)"));
        control.option->setSelected(*number == 1);
    }
    return true;
}

std::variant<QString, int> ReadControl(const ControlRef &control)
{
    if (control.field)
        return control.field->text();
    if (control.checkBox)
        return control.checkBox->value();
    if (control.list)
        return control.list->index();
    return control.option->isSelected() ? 1 : 0;
}

QString JsonQuote(const QString &text)
{
    QString out = QStringLiteral("\"");
    for (QChar ch : text) {
        switch (ch.unicode()) {
        case u'"':
            out += QStringLiteral("\\\"");
            break;
        case u'\\':
            out += QStringLiteral("\\\\");
            break;
        default:
            if (ch.unicode() < 0x20)
                out += QStringLiteral("\\u%1").arg(ch.unicode(), 4, 16, QChar(u'0'));
            else
                out += ch;
        }
    }
    return out + u'"';
}

QString ControlsAsJson(SettingsModel &model)
{
    QStringList parts;
    for (const ControlRef &ref : AllControls(model)) {
        const auto value = ReadControl(ref);
        const QString json = std::holds_alternative<QString>(value)
                                 ? JsonQuote(std::get<QString>(value))
                                 : QString::number(std::get<int>(value));
        parts << JsonQuote(ref.name) + QStringLiteral(": ") + json;
    }
    return u'{' + parts.join(QStringLiteral(", ")) + u'}';
}

QString ControlsAsLines(SettingsModel &model)
{
    QString out;
    for (const ControlRef &ref : AllControls(model)) {
        const auto value = ReadControl(ref);
        out += ref.name + u'=' +
               (std::holds_alternative<QString>(value) ? std::get<QString>(value)
                                                       : QString::number(std::get<int>(value))) +
               u'\n';
    }
    return out;
}

} // namespace tarvek
