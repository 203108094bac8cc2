#include "PortChooser.h"

#include "ListKeys.h"
#include "MaskedLineEdit.h"
#include "PortNumbers.h"
#include "PortPicker.h"
#include "PortWatch.h"

#include <QAbstractButton>

namespace tarvek::ui
{

PortChooser::PortChooser(MaskedLineEdit *portField, QAbstractButton *button,
                         const serial::PortSource &ports, QObject *parent)
    : QObject(parent), m_field(portField), m_ports(ports)
{
    openListFrom(m_field, button, this, [this] { open(); });
    // The button takes no focus: the field itself tells a screen reader how
    // to reach the list.
    m_field->setAccessibleDescription(m_field->accessibleDescription() +
                                      QStringLiteral("; F4 or Alt+Down lists the ports"));
}

PortChooser::~PortChooser() = default;

void PortChooser::build()
{
    m_picker = std::make_unique<PortPicker>(m_field->field().maxNumber(), m_field->window());
    m_picker->setWindowModality(Qt::WindowModal);
    m_watch = std::make_unique<PortWatch>(
        m_ports, [this](const serial::PortSurvey &survey) { m_picker->showSurvey(survey); });
    connect(m_picker.get(), &QDialog::accepted, this, &PortChooser::takeChoice);
    connect(m_picker.get(), &QDialog::finished, m_field, [this] {
        m_watch->stop();
        m_field->setFocus(Qt::OtherFocusReason);
    });
}

void PortChooser::open()
{
    if (!m_picker)
        build();
    const std::optional<int> current = serial::portNumberFromText(m_field->field().text());
    m_picker->reset(current && *current >= 1 ? current : std::nullopt);
    m_picker->open();
    m_watch->start();
}

void PortChooser::takeChoice()
{
    const std::optional<int> chosen = m_picker->chosen();
    if (!chosen)
        return;
    m_field->selectAll();
    m_field->typeCharacters(QString::number(*chosen));
}

} // namespace tarvek::ui
