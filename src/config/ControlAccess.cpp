#include "ControlAccess.h"

namespace tarvek::config
{
namespace
{

std::optional<int> parseWholeNumber(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return value;
}

// Why `field` refuses `text` (which it does).
QString fieldRefusal(const MaskedField &field, const QString &text)
{
    if (field.maxNumber() > 0)
        return QStringLiteral("the field takes a number from 0 to %1 in digits, not \"%2\"")
            .arg(field.maxNumber())
            .arg(text);
    if (!field.isMasked())
        return QStringLiteral("the field takes at most %1 characters, \"%2\" has %3")
            .arg(field.maxLength())
            .arg(text)
            .arg(text.size());
    if (text.size() > field.positions())
        return QStringLiteral("the mask \"%1\" takes at most %2 characters, \"%3\" has %4")
            .arg(field.mask())
            .arg(field.positions())
            .arg(text)
            .arg(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        const bool digitPosition = field.mask().at(i) != u'&';
        if ((ch == MaskedField::kPrompt && digitPosition) || field.acceptsAt(i, ch))
            continue;
        return QStringLiteral("character %1 of \"%2\" is not %3")
            .arg(i + 1)
            .arg(text)
            .arg(digitPosition ? QStringLiteral("a digit")
                               : QStringLiteral("a printable single-byte character"));
    }
    return QStringLiteral("the field does not take the text \"%1\"").arg(text);
}

// A list text in a comparable form: lower case, words joined by one blank
// whatever blanks or hyphens stood between them.
QString listKey(const QString &text)
{
    QString key = text.toLower();
    key.replace(u'-', u' ');
    return key.simplified();
}

ControlRef refTo(const SettingDescription &setting, SettingsModel &model)
{
    return {setting.key, &setting, controlOf(setting, model)};
}

// Why a control that is not a text field refuses the whole number `number`,
// or empty when it takes it (and has taken it).
QString writeNumber(const Control &control, int number)
{
    if (CheckBox *const *box = std::get_if<CheckBox *>(&control))
        return (*box)->setValue(number) ? QString() : QStringLiteral("a check box takes 0, 1 or 2");
    if (ListChoice *const *list = std::get_if<ListChoice *>(&control))
        return (*list)->setIndex(number) ? QString()
                                         : QStringLiteral("the list position must be 0 to %1")
                                               .arg((*list)->items().size() - 1);
    OptionButton *option = std::get<OptionButton *>(control);
    if (number != 0 && number != 1)
        return QStringLiteral("takes 1 (normal form) or 0 (compressed form)");
    option->setSelected(number == 1);
    return {};
}

} // namespace

std::vector<ControlRef> allControls(SettingsModel &model)
{
    std::vector<ControlRef> all;
    for (const SettingDescription &setting : allSettings())
        all.push_back(refTo(setting, model));
    return all;
}

std::optional<ControlRef> findControl(SettingsModel &model, const QString &name)
{
    const SettingDescription *setting = findSettingByName(name);
    if (!setting)
        return std::nullopt;
    return refTo(*setting, model);
}

WriteResult writeControl(const ControlRef &control, const QString &value)
{
    auto refused = [&](const QString &why) {
        return why.isEmpty()
                   ? WriteResult{}
                   : WriteResult{QStringLiteral("%1: %2").arg(namesText(*control.setting), why)};
    };
    if (MaskedField *field = control.as<MaskedField>())
        return refused(field->setText(value) ? QString() : fieldRefusal(*field, value));
    const ListChoice *list = control.as<ListChoice>();
    std::optional<int> number = parseWholeNumber(value);
    if (!number && list)
        number = listPositionOfText(list->items(), value);
    if (!number)
        return refused(list ? QStringLiteral("\"%1\" is neither a list position nor one of the "
                                             "list's texts (%2)")
                                  .arg(value, list->items().join(QStringLiteral(", ")))
                            : QStringLiteral("\"%1\" is not a whole number").arg(value));
    return refused(writeNumber(control.control, *number));
}

std::optional<int> listPositionOfText(const QStringList &items, const QString &text)
{
    const QString key = listKey(text);
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (listKey(items.at(i)) == key)
            return static_cast<int>(i);
    }
    return std::nullopt;
}

std::variant<QString, int> readControl(const ControlRef &control)
{
    struct Reader {
        std::variant<QString, int> operator()(const MaskedField *field) const
        {
            return field->text();
        }
        std::variant<QString, int> operator()(const CheckBox *box) const { return box->value(); }
        std::variant<QString, int> operator()(const ListChoice *list) const
        {
            return list->index();
        }
        std::variant<QString, int> operator()(const OptionButton *option) const
        {
            return option->isSelected() ? 1 : 0;
        }
    };
    return std::visit(Reader{}, control.control);
}

QString jsonQuote(const QString &text)
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

QString controlsAsJson(SettingsModel &model)
{
    QStringList parts;
    for (const ControlRef &ref : allControls(model)) {
        const auto value = readControl(ref);
        const QString json = std::holds_alternative<QString>(value)
                                 ? jsonQuote(std::get<QString>(value))
                                 : QString::number(std::get<int>(value));
        parts << jsonQuote(ref.name) + QStringLiteral(": ") + json;
    }
    return u'{' + parts.join(QStringLiteral(", ")) + u'}';
}

} // namespace tarvek::config
