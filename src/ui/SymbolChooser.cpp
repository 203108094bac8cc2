#include "SymbolChooser.h"

#include "AprsSymbols.h"
#include "ListKeys.h"
#include "MaskedLineEdit.h"
#include "SymbolPicker.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QKeyEvent>

using namespace tarvek::config;

namespace tarvek::ui
{

SymbolChooser::SymbolChooser(MaskedLineEdit *symbolField, QCheckBox *alternateTable,
                             QAbstractButton *button, QObject *parent)
    : QObject(parent), m_field(symbolField), m_alternateTable(alternateTable)
{
    connect(button, &QAbstractButton::clicked, this, &SymbolChooser::open);
    m_field->installEventFilter(this);
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
        findAprsSymbol(tableOfBox(m_alternateTable->checkState()), m_field->field().text()));
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

bool SymbolChooser::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_field && event->type() == QEvent::KeyPress &&
        opensList(static_cast<QKeyEvent *>(event))) {
        open();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tarvek::ui
