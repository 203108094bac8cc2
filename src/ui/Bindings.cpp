#include "Bindings.h"

#include "CheckStates.h"
#include "ListChoice.h"
#include "MaskedField.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

using namespace tarvek::config;

namespace tarvek::ui
{

void bindCheckBox(QCheckBox *box, CheckBox &value)
{
    const auto show = [box, &value] {
        const Qt::CheckState state = toQtCheckState(value.value());
        if (box->checkState() != state)
            box->setCheckState(state);
    };
    show();
    QObject::connect(&value, &CheckBox::changed, box, show);
    QObject::connect(box, kCheckStateChanged, &value, [&value](int state) {
        const int stored = fromQtCheckState(state);
        if (stored != value.value())
            (void)value.setValue(stored);
    });
}

void bindList(QComboBox *list, ListChoice &choice)
{
    list->addItems(choice.items());
    list->setCurrentIndex(choice.index());
    QObject::connect(&choice, &ListChoice::changed, list, [list, &choice] {
        if (list->currentIndex() != choice.index())
            list->setCurrentIndex(choice.index());
    });
    QObject::connect(list, &QComboBox::currentIndexChanged, &choice, [&choice](int index) {
        if (index != choice.index())
            (void)choice.setIndex(index);
    });
}

void bindText(QLineEdit *edit, MaskedField &field)
{
    edit->setText(field.text());
    QObject::connect(&field, &MaskedField::changed, edit, [edit, &field] {
        if (edit->text() != field.text())
            edit->setText(field.text());
    });
    QObject::connect(edit, &QLineEdit::textChanged, &field, [edit, &field](const QString &text) {
        if (field.text() != text && !field.setText(text))
            edit->setText(field.text());
    });
}

} // namespace tarvek::ui
