#include "PortPicker.h"

#include "LiteralText.h"
#include "PortNumberFormat.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace tarvek::serial;

namespace tarvek::ui
{
namespace
{

enum Column { NumberColumn, DeviceColumn, NameColumn, StateColumn, ColumnCount };

// Where an item keeps its port number.
constexpr int kNumberRole = Qt::UserRole;

std::optional<int> numberOf(const QTreeWidgetItem *item)
{
    if (!item)
        return std::nullopt;
    return item->data(NumberColumn, kNumberRole).toInt();
}

// A label that shows its text as written: a device's name is never markup.
QLabel *plainLabel(const QString &objectName, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

PortPicker::PortPicker(int largestNumber, QWidget *parent)
    : QDialog(parent), m_largestNumber(largestNumber)
{
    setObjectName(QStringLiteral("frmPorts"));
    setWindowTitle(QStringLiteral("Serial ports"));
    setAccessibleName(windowTitle());

    auto *listLabel = new QLabel(QStringLiteral("&Serial ports:"), this);
    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("lstPorts"));
    m_list->setAccessibleName(QStringLiteral("Serial ports"));
    m_list->setAccessibleDescription(
        QStringLiteral("Port number, device, the system's name and state; Enter chooses the "
                       "port for Comm num:, Esc closes"));
    listLabel->setBuddy(m_list);
    m_list->setColumnCount(ColumnCount);
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAllColumnsShowFocus(true);
    m_list->setHeaderLabels({QStringLiteral("Port"), QStringLiteral("Device"),
                             QStringLiteral("Name"), QStringLiteral("State")});
    QHeaderView *header = m_list->header();
    header->setSectionResizeMode(NumberColumn, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(DeviceColumn, QHeaderView::ResizeToContents);
    header->resizeSection(NameColumn, 240);
    header->setStretchLastSection(true);

    m_details = plainLabel(QStringLiteral("lblPortDetails"), this);
    m_trouble = plainLabel(QStringLiteral("lblPortTrouble"), this);
    m_trouble->hide();
    QLabel *numbering = plainLabel(QStringLiteral("lblPortNumbering"), this);
    numbering->setText(QString(config::kPortNumberHelp));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_choose = buttons->button(QDialogButtonBox::Ok);
    m_choose->setText(QStringLiteral("Choose"));
    m_choose->setDefault(true);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(listLabel);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_details);
    layout->addWidget(m_trouble);
    layout->addWidget(numbering);
    layout->addWidget(buttons);
    resize(600, 340);

    connect(m_list, &QTreeWidget::currentItemChanged, this, &PortPicker::onCurrentChanged);
    connect(m_list, &QTreeWidget::itemActivated, this, &PortPicker::chooseSelected);
    connect(buttons, &QDialogButtonBox::accepted, this, &PortPicker::chooseSelected);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void PortPicker::reset(std::optional<int> current)
{
    m_wanted = current;
    selectWanted();
    m_list->setFocus(Qt::OtherFocusReason);
}

void PortPicker::showSurvey(const PortSurvey &survey)
{
    if (m_shown == survey)
        return; // nothing changed: the list stays as the operator left it
    m_shown = survey;
    {
        const QSignalBlocker quiet(m_list);
        m_list->clear();
        QList<QTreeWidgetItem *> items;
        for (const SurveyedPort &port : survey.ports)
            items << itemOf(port);
        m_list->addTopLevelItems(items);
    }
    m_trouble->setText(survey.trouble);
    m_trouble->setVisible(!survey.trouble.isEmpty());
    selectWanted();
}

QTreeWidgetItem *PortPicker::itemOf(const SurveyedPort &port) const
{
    const NumberedPort &numbered = port.numbered;
    auto *item = new QTreeWidgetItem({QString::number(numbered.number), numbered.port.device,
                                      portDetails(numbered).join(QStringLiteral("; ")),
                                      stateText(port.state)});
    item->setData(NumberColumn, kNumberRole, numbered.number);
    const QString toolTip = literalRichText(describe(port));
    for (int column = 0; column < ColumnCount; ++column)
        item->setToolTip(column, toolTip);
    if (!takes(numbered.number)) {
        const QColor greyed = m_list->palette().color(QPalette::Disabled, QPalette::Text);
        for (int column = 0; column < ColumnCount; ++column)
            item->setForeground(column, greyed);
    }
    return item;
}

std::optional<int> PortPicker::chosen() const
{
    const std::optional<int> number = selectedNumber();
    if (result() != QDialog::Accepted || !number || !takes(*number))
        return std::nullopt;
    return number;
}

std::optional<int> PortPicker::selectedNumber() const
{
    return numberOf(m_list->currentItem());
}

// Selects the wanted port if it is listed, and nothing otherwise; the
// wanted number stays for when the port comes back.
void PortPicker::selectWanted()
{
    QTreeWidgetItem *wanted = nullptr;
    for (int k = 0; m_wanted && k < m_list->topLevelItemCount(); ++k) {
        if (numberOf(m_list->topLevelItem(k)) == m_wanted)
            wanted = m_list->topLevelItem(k);
    }
    {
        const QSignalBlocker quiet(m_list);
        m_list->setCurrentItem(wanted);
    }
    if (wanted)
        m_list->scrollToItem(wanted);
    showDetails();
}

void PortPicker::onCurrentChanged()
{
    m_wanted = selectedNumber();
    showDetails();
}

void PortPicker::showDetails()
{
    QTreeWidgetItem *item = m_list->currentItem();
    const std::optional<int> number = numberOf(item);
    m_choose->setEnabled(number && takes(*number));
    QString text;
    if (!m_shown)
        text = QStringLiteral("Looking for serial ports...");
    else if (item)
        text = describe(m_shown->ports[static_cast<size_t>(m_list->indexOfTopLevelItem(item))]);
    else if (m_shown->ports.empty())
        text = QStringLiteral("The system reports no serial port.");
    else if (m_wanted)
        text = QStringLiteral("No port has number %1 now.").arg(*m_wanted);
    m_details->setText(text);
}

QString PortPicker::describe(const SurveyedPort &port) const
{
    const NumberedPort &numbered = port.numbered;
    QStringList lines{QStringLiteral("Port %1: %2").arg(numbered.number).arg(numbered.port.device)};
    if (const QStringList details = portDetails(numbered); !details.isEmpty())
        lines << details.join(QStringLiteral("; "));
    lines << QStringLiteral("State: ") + stateText(port.state);
    if (!takes(numbered.number))
        lines << QStringLiteral("Comm num: takes 1 to %1, so this port cannot be chosen here: "
                                "give its device a number up to %1 with TARVEK_COM<n>.")
                     .arg(m_largestNumber);
    return lines.join(u'\n');
}

void PortPicker::chooseSelected()
{
    const std::optional<int> number = selectedNumber();
    if (isVisible() && number && takes(*number))
        accept();
}

} // namespace tarvek::ui
