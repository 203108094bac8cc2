#pragma once
// Two-way bindings between widgets and the settings objects: the widget shows
// the object, and the operator's changes in the widget are written into it.
// A change by anyone else (Default, Load, the calculator) reaches the widget
// through the object's change signal.
class QCheckBox;
class QComboBox;
class QLineEdit;

namespace tarvek::config
{
class CheckBox;
class ListChoice;
class MaskedField;
} // namespace tarvek::config

namespace tarvek::ui
{

void bindCheckBox(QCheckBox *box, config::CheckBox &value);
void bindList(QComboBox *list, config::ListChoice &choice);
// For a plain line edit; MaskedLineEdit binds its field itself.
void bindText(QLineEdit *edit, config::MaskedField &field);

} // namespace tarvek::ui
