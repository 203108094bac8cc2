#pragma once
// A window's controls as data, the way a form designer shows them: one row
// per control with its name, kind, caption, place in twips, keyboard order
// and look. Form builds the widgets of a table into a window, binds every
// control whose name is a setting's key to that setting, and makes each
// input readable by a screen reader (its caption as name, the setting's
// format as description).
#include <QList>
#include <QString>
#include <QWidget>
#include <span>
#include <utility>
#include <vector>

namespace tarvek::config
{
struct SettingsModel;
} // namespace tarvek::config

namespace tarvek::ui
{

enum class ControlType {
    Frame,        // QGroupBox
    Label,        // QLabel
    MaskedField,  // MaskedLineEdit bound to its setting (a QLineEdit when it is none)
    TextField,    // QLineEdit, bound when it is a setting
    CheckBox,     // QCheckBox, bound when it is a setting
    List,         // QComboBox, bound when it is a setting
    Button,       // QPushButton
    WrapButton,   // push button whose caption wraps
    OptionButton, // QRadioButton (the window binds its group)
    DropButton,   // a small button with a down arrow beside a field; Tab passes it by
};

enum class Look {
    Form,  // the window's font
    Small, // the small captions' face, 6.75 points
    Bold,  // the window's face in bold
    Green, // a green button
};

struct TwipsBox {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct FormControl {
    const char *name = nullptr; // objectName: the control's key
    ControlType type = ControlType::Label;
    const char *parent = nullptr; // the frame it lies in; null: the window
    TwipsBox box{};               // in its parent
    // The caption shown; null: the caption the settings description gives
    // the control named by `captionOf`, or this control itself.
    const char *caption = nullptr;
    // The field this caption names: a label becomes its buddy; a frame gives
    // the field its caption as accessible name.
    const char *captionOf = nullptr;
    int tab = 0; // place in the keyboard order, 1 first; 0: none
    Look look = Look::Form;
    Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop; // a label's caption in its place
    const char *toolTip = nullptr;
    // The accessible description where the settings description has none.
    const char *description = nullptr;
    bool selectAllOnFocus = false; // the field's text is selected when the focus arrives
};

class Form
{
public:
    // Builds the controls of `rows` into `window` (whose size is set), in
    // table order: a later control lies above an earlier one, and labels lie
    // beneath every other control. `rows` must outlive the form.
    Form(QWidget *window, std::span<const FormControl> rows, config::SettingsModel &model);

    // The control named `name`, or null.
    QWidget *widget(const char *name) const;
    template <typename T> T *get(const char *name) const { return qobject_cast<T *>(widget(name)); }

    // The controls in keyboard order, first to last.
    QList<QWidget *> tabOrder() const;
    // The fields whose text is selected when the focus arrives.
    QList<QWidget *> selectingAll() const;

private:
    void build(QWidget *window, config::SettingsModel &model);
    void describe();

    std::span<const FormControl> m_rows;
    std::vector<std::pair<const FormControl *, QWidget *>> m_controls;
};

// The window's font: its face (formFont) at 8.25 points.
void setFormFont(QWidget *window);

} // namespace tarvek::ui
