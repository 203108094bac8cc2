#include "SymbolPicker.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace tarvek::config;

namespace tarvek::ui
{
namespace
{

enum Column { TableColumn, CodeColumn, NameColumn };

// Where an item keeps its symbol: the row in aprsSymbols().
constexpr int kSymbolRole = Qt::UserRole;

AprsSymbol symbolOf(const QTreeWidgetItem *item)
{
    return aprsSymbols()[static_cast<size_t>(item->data(TableColumn, kSymbolRole).toInt())];
}

QString tableName(AprsTable table)
{
    return table == AprsTable::Alternate ? QStringLiteral("Alternate \\")
                                         : QStringLiteral("Primary /");
}

} // namespace

SymbolPicker::SymbolPicker(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmSymbols"));
    setWindowTitle(QStringLiteral("APRS symbols"));
    setAccessibleName(windowTitle());

    auto *filterLabel = new QLabel(QStringLiteral("&Find by name:"), this);
    m_filter = new QLineEdit(this);
    m_filter->setObjectName(QStringLiteral("edSymbolFilter"));
    m_filter->setPlaceholderText(QStringLiteral("truck, house, weather..."));
    m_filter->setAccessibleName(QStringLiteral("Find by name"));
    m_filter->setAccessibleDescription(
        QStringLiteral("Shows the symbols whose name contains the text; Down moves to the list"));
    m_filter->setClearButtonEnabled(true);
    filterLabel->setBuddy(m_filter);

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("lstSymbols"));
    m_list->setAccessibleName(QStringLiteral("APRS symbols"));
    m_list->setAccessibleDescription(
        QStringLiteral("Table, symbol character and name; Enter chooses, Esc closes"));
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAllColumnsShowFocus(true);
    m_list->setHeaderLabels(
        {QStringLiteral("Table"), QStringLiteral("Symbol"), QStringLiteral("Name")});
    QList<QTreeWidgetItem *> items;
    const std::span<const AprsSymbol> symbols = aprsSymbols();
    for (size_t row = 0; row < symbols.size(); ++row) {
        const AprsSymbol &symbol = symbols[row];
        auto *item = new QTreeWidgetItem(
            {tableName(symbol.table), QString(QLatin1Char(symbol.code)), QString(symbol.name)});
        item->setData(TableColumn, kSymbolRole, static_cast<int>(row));
        items << item;
    }
    m_list->addTopLevelItems(items);
    m_list->header()->setSectionResizeMode(TableColumn, QHeaderView::ResizeToContents);
    m_list->header()->setSectionResizeMode(CodeColumn, QHeaderView::ResizeToContents);
    m_list->header()->setStretchLastSection(true);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Choose"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(filterLabel);
    layout->addWidget(m_filter);
    layout->addWidget(m_list, 1);
    layout->addWidget(buttons);
    resize(420, 460);

    connect(m_filter, &QLineEdit::textChanged, this, &SymbolPicker::applyFilter);
    connect(m_list, &QTreeWidget::itemActivated, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    m_filter->installEventFilter(this);
}

void SymbolPicker::reset(const std::optional<AprsSymbol> &current)
{
    m_filter->clear();
    applyFilter(QString());
    for (int k = 0; current && k < m_list->topLevelItemCount(); ++k) {
        QTreeWidgetItem *item = m_list->topLevelItem(k);
        const AprsSymbol symbol = symbolOf(item);
        if (symbol.table == current->table && symbol.code == current->code) {
            m_list->setCurrentItem(item);
            m_list->scrollToItem(item, QAbstractItemView::PositionAtCenter);
        }
    }
    m_filter->setFocus(Qt::OtherFocusReason);
}

std::optional<AprsSymbol> SymbolPicker::chosen() const
{
    const QTreeWidgetItem *item = m_list->currentItem();
    if (result() != QDialog::Accepted || !item || item->isHidden())
        return std::nullopt;
    return symbolOf(item);
}

QList<AprsSymbol> SymbolPicker::shownSymbols() const
{
    QList<AprsSymbol> shown;
    for (int k = 0; k < m_list->topLevelItemCount(); ++k) {
        if (!m_list->topLevelItem(k)->isHidden())
            shown << symbolOf(m_list->topLevelItem(k));
    }
    return shown;
}

void SymbolPicker::applyFilter(const QString &text)
{
    const QString wanted = text.trimmed();
    for (int k = 0; k < m_list->topLevelItemCount(); ++k) {
        QTreeWidgetItem *item = m_list->topLevelItem(k);
        item->setHidden(!item->text(NameColumn).contains(wanted, Qt::CaseInsensitive));
    }
    const QTreeWidgetItem *current = m_list->currentItem();
    if (!current || current->isHidden())
        selectFirstShown();
}

void SymbolPicker::selectFirstShown()
{
    for (int k = 0; k < m_list->topLevelItemCount(); ++k) {
        if (!m_list->topLevelItem(k)->isHidden()) {
            m_list->setCurrentItem(m_list->topLevelItem(k));
            return;
        }
    }
    m_list->setCurrentItem(nullptr);
}

// In the search field Up, Down and the page keys move through the list, so
// the operator can type, step to the symbol and press Enter.
bool SymbolPicker::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_filter && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        switch (key->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown: {
            QKeyEvent forwarded(key->type(), key->key(), key->modifiers());
            QCoreApplication::sendEvent(m_list, &forwarded);
            return true;
        }
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace tarvek::ui
