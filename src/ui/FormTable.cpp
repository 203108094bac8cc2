#include "FormTable.h"

#include "Bindings.h"
#include "ButtonColour.h"
#include "CaptionFit.h"
#include "MaskedLineEdit.h"
#include "TrackerSettings.h"
#include "Twips.h"
#include "WrapButton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <algorithm>
#include <cstring>

using namespace tarvek::config;

namespace tarvek::ui
{
namespace
{

const QColor kButtonGreen(0, 160, 0);
constexpr qreal kFormPoints = 8.25;

// Puts a control at its place in twips of its container.
void place(QWidget *control, const TwipsBox &box)
{
    placeCaptioned(control,
                   twipsRect(box.left, box.top, box.width, box.height, control->logicalDpiY()));
}

const SettingDescription *settingNamed(const char *name)
{
    return name ? findSetting(QLatin1StringView(name)) : nullptr;
}

QString captionOf(const FormControl &row)
{
    if (row.caption)
        return QString::fromLatin1(row.caption);
    const SettingDescription *setting = settingNamed(row.captionOf ? row.captionOf : row.name);
    Q_ASSERT(setting);
    return setting ? QString(setting->caption) : QString();
}

// The control of `setting` in `model` if it is a `Control`, else null: a
// row whose name is not a key, or the key of another kind, stays unbound.
template <typename Control>
Control *controlOfType(const SettingDescription *setting, SettingsModel &model)
{
    return setting ? config::controlIf<Control>(controlOf(*setting, model)) : nullptr;
}

template <typename Button> Button *makeButton(const FormControl &row, QWidget *parent)
{
    auto *button = new Button(captionOf(row), parent);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

QWidget *make(const FormControl &row, QWidget *parent, SettingsModel &model)
{
    const SettingDescription *setting = settingNamed(row.name);
    switch (row.type) {
    case ControlType::Frame:
        return new QGroupBox(captionOf(row), parent);
    case ControlType::Label: {
        auto *label = new QLabel(captionOf(row), parent);
        label->setAlignment(row.align);
        return label;
    }
    case ControlType::MaskedField:
        if (MaskedField *field = controlOfType<MaskedField>(setting, model))
            return new MaskedLineEdit(*field, parent);
        return new QLineEdit(parent);
    case ControlType::TextField: {
        auto *edit = new QLineEdit(parent);
        if (MaskedField *field = controlOfType<MaskedField>(setting, model))
            bindText(edit, *field);
        return edit;
    }
    case ControlType::CheckBox: {
        auto *box = new QCheckBox(captionOf(row), parent);
        if (CheckBox *checkBox = controlOfType<CheckBox>(setting, model))
            bindCheckBox(box, *checkBox);
        return box;
    }
    case ControlType::List: {
        auto *list = new QComboBox(parent);
        if (ListChoice *choice = controlOfType<ListChoice>(setting, model))
            bindList(list, *choice);
        return list;
    }
    case ControlType::Button:
        return makeButton<QPushButton>(row, parent);
    case ControlType::WrapButton:
        return makeButton<WrapButton>(row, parent);
    case ControlType::OptionButton:
        return new QRadioButton(captionOf(row), parent);
    case ControlType::DropButton: {
        // Opens a choice for the field beside it, which the keyboard reaches
        // from the field itself; the keyboard order stays the form's.
        auto *button = new QToolButton(parent);
        button->setArrowType(Qt::DownArrow);
        button->setFocusPolicy(Qt::NoFocus);
        return button;
    }
    }
    return nullptr;
}

void applyLook(QWidget *control, Look look)
{
    switch (look) {
    case Look::Form:
        break;
    case Look::Small:
        control->setFont(smallCaptionFont(6.75));
        break;
    case Look::Bold: {
        QFont font = formFont(kFormPoints);
        font.setBold(true);
        control->setFont(font);
        break;
    }
    case Look::Green:
        if (auto *button = qobject_cast<QPushButton *>(control))
            colourButton(button, kButtonGreen);
        break;
    }
}

} // namespace

void setFormFont(QWidget *window)
{
    window->setFont(formFont(kFormPoints));
}

Form::Form(QWidget *window, std::span<const FormControl> rows, SettingsModel &model) : m_rows(rows)
{
    build(window, model);
    describe();
    const QList<QWidget *> order = tabOrder();
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void Form::build(QWidget *window, SettingsModel &model)
{
    m_controls.reserve(m_rows.size());
    for (const FormControl &row : m_rows) {
        QWidget *parent = row.parent ? widget(row.parent) : window;
        Q_ASSERT(parent);
        QWidget *control = make(row, parent, model);
        control->setObjectName(QString::fromLatin1(row.name));
        applyLook(control, row.look);
        if (row.toolTip)
            control->setToolTip(QString::fromLatin1(row.toolTip));
        place(control, row.box);
        m_controls.emplace_back(&row, control);
    }
    // Labels lie beneath the input controls, so where a label's place runs
    // under a field the field stays whole.
    for (const auto &[row, control] : m_controls) {
        if (row->type == ControlType::Label)
            control->lower();
    }
    fitAllCaptions(window);
}

// Names and descriptions for screen readers. A label that carries a field's
// caption is the field's buddy; a field captioned by its frame gets the
// caption as its name. The description is the setting's format.
void Form::describe()
{
    for (const auto &[row, control] : m_controls) {
        if (row->captionOf) {
            QWidget *field = widget(row->captionOf);
            if (auto *label = qobject_cast<QLabel *>(control))
                label->setBuddy(field);
            else
                field->setAccessibleName(captionOf(*row));
        }
        if (const SettingDescription *setting = settingNamed(row->name))
            control->setAccessibleDescription(QString(setting->format));
        else if (row->description)
            control->setAccessibleDescription(QString::fromLatin1(row->description));
        if (row->caption && row->type == ControlType::DropButton)
            control->setAccessibleName(QString::fromLatin1(row->caption));
    }
}

QWidget *Form::widget(const char *name) const
{
    for (const auto &[row, control] : m_controls) {
        if (std::strcmp(row->name, name) == 0)
            return control;
    }
    return nullptr;
}

QList<QWidget *> Form::tabOrder() const
{
    std::vector<std::pair<int, QWidget *>> stops;
    for (const auto &[row, control] : m_controls) {
        if (row->tab > 0)
            stops.emplace_back(row->tab, control);
    }
    std::sort(stops.begin(), stops.end(),
              [](const auto &a, const auto &b) { return a.first < b.first; });
    QList<QWidget *> order;
    for (const auto &stop : stops)
        order.append(stop.second);
    return order;
}

QList<QWidget *> Form::selectingAll() const
{
    QList<QWidget *> fields;
    for (const auto &[row, control] : m_controls) {
        if (row->selectAllOnFocus)
            fields.append(control);
    }
    return fields;
}

} // namespace tarvek::ui
