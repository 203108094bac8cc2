#include "SymbolChooser.h"

#include "AprsSymbols.h"
#include "ListKeys.h"
#include "MaskedLineEdit.h"
#include "SymbolPicker.h"

#include <QAbstractButton>
#include <QCheckBox>

using namespace tarvek::config;

namespace tarvek::ui
{

SymbolChooser::SymbolChooser(MaskedLineEdit *symbolField, QCheckBox *alternateTable,
                             QAbstractButton *button, QObject *parent)
    : QObject(parent), m_field(symbolField), m_alternateTable(alternateTable)
{
    openListFrom(m_field, button, this, [this] { open(); });
}

SymbolChooser::~SymbolChooser() = default;

void SymbolChooser::open()
{
    if (!m_picker) {
        m_picker = std::make_unique<SymbolPicker>(m_field->window());
        m_picker->setWindowModality(Qt::WindowModal);
        connect(m_picker.get(), &QDialog::accepted, this, &SymbolChooser::takeChoice);
        connect(m_picker.get(), &QDialog::finished, m_field,
                [this] { m_field->setFocus(Qt::OtherFocusReason); });
    }
    m_picker->reset(
        findAprsSymbol(tableOfBox(m_alternateTable->checkState()), m_field->field().content()));
    m_picker->open();
}

void SymbolChooser::takeChoice()
{
    const std::optional<AprsSymbol> chosen = m_picker->chosen();
    if (!chosen)
        return;
    m_alternateTable->setChecked(chosen->table == AprsTable::Alternate);
    m_field->selectAll();
    m_field->typeCharacters(QString(QLatin1Char(chosen->code)));
}

} // namespace tarvek::ui
