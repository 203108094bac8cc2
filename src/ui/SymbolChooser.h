#pragma once
// Opens the symbol picker for the symbol field: from the small button beside
// the field, or by F4 or Alt+Down in the field as on a combo box. A chosen
// symbol goes in through the controls, as if the operator had ticked
// "Alternate Table" and typed the character, so every rule of the field
// applies and Save and SEND see it; Esc changes nothing.
#include <QObject>
#include <memory>

class QAbstractButton;
class QCheckBox;

namespace tarvek::ui
{

class MaskedLineEdit;
class SymbolPicker;

class SymbolChooser : public QObject
{
    Q_OBJECT
public:
    // The controls must outlive the chooser; the picker, built on first use,
    // is a window of `symbolField`'s window.
    SymbolChooser(MaskedLineEdit *symbolField, QCheckBox *alternateTable, QAbstractButton *button,
                  QObject *parent = nullptr);
    ~SymbolChooser() override;

    // Shows the picker with the current symbol selected.
    void open();
    // The picker, once it has been opened; null before.
    SymbolPicker *picker() const { return m_picker.get(); }

private:
    void takeChoice();

    MaskedLineEdit *m_field;
    QCheckBox *m_alternateTable;
    std::unique_ptr<SymbolPicker> m_picker;
};

} // namespace tarvek::ui
