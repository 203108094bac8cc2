#include "CalculatorWindow.h"

#include "Bindings.h"
#include "CaptionFit.h"
#include "CheckStates.h"
#include "Cp1252.h"
#include "FieldFilters.h"
#include "SettingKeys.h"
#include "TrackerSettings.h"
#include "Twips.h"
#include "WindowForms.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

using namespace tarvek::config;

namespace tarvek::ui
{

namespace
{

const QColor kLightYellow(255, 255, 128);
constexpr int kClientWidthTwips = 5295;
constexpr int kClientHeightTwips = 1620;

// A key press that types a character, as opposed to Delete, the arrows,
// Home, End and the other editing keys. Tab and Shift+Tab move the focus and
// never reach a field as characters.
bool typesCharacter(const QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Delete:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return false;
    default:
        return !event->text().isEmpty();
    }
}

// The typed character through the coordinate key filter: false when dropped.
bool coordinateKeyAllowed(const QKeyEvent *event)
{
    const QList<uint> chars = event->text().toUcs4();
    int code = chars.isEmpty() ? -1 : cp1252Code(chars.front());
    filterCoordinateKey(code);
    return code != 0;
}

} // namespace

CalculatorWindow::CalculatorWindow(SettingsModel &model, QLineEdit *statusEdit, QWidget *owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_model(model), m_calculator(model.calculator, model.tracker), m_statusEdit(statusEdit)
{
    setObjectName(QStringLiteral("frmLatLon"));
    setWindowTitle(QStringLiteral("Calculate APRS Coordinates for GPSless Mode"));
    setModal(false);
    setFormFont(this);
    setFixedSize(twipsSize(kClientWidthTwips, kClientHeightTwips, logicalDpiY()));
    m_form = std::make_unique<Form>(this, calculatorForm(), model);
    m_frame = m_form->get<QGroupBox>("zFrame2");
    m_latitude = m_form->get<QLineEdit>(key::kLatitude);
    m_longitude = m_form->get<QLineEdit>(key::kLongitude);
    m_hundredths = m_form->get<QCheckBox>(key::kHundredths);
    m_normalForm = m_form->get<QRadioButton>(key::kNormalForm);
    m_compressedForm = m_form->get<QRadioButton>("optLLtoComp");
    m_writeButton = m_form->get<QPushButton>("cmdCalc");
    for (QLineEdit *field : {m_latitude, m_longitude}) {
        // Every character arrives as a key press, so the key filter sees it.
        field->setAttribute(Qt::WA_InputMethodEnabled, false);
        field->installEventFilter(this);
    }
    connect(m_writeButton, &QPushButton::clicked, this, &CalculatorWindow::onWriteClicked);
    connect(m_form->get<QPushButton>("OKButton"), &QPushButton::clicked, this,
            &CalculatorWindow::onCloseClicked);
    bindNotation();
    bindForm();
    // The loader has written the four fields: show what they mean now.
    connect(&model.calculator, &CalculatorSettings::loaded, this,
            &CalculatorWindow::refreshForNotation);
    m_latitude->setFocus(Qt::OtherFocusReason);
}

CalculatorWindow::~CalculatorWindow() = default;

// The form binds the box to its setting; every change of the box's state, by
// a click or by the program, then refreshes what depends on the notation.
void CalculatorWindow::bindNotation()
{
    connect(m_hundredths, kCheckStateChanged, this, [this](int state) {
        // Greyed only by the program; a click leaves ticked or clear.
        m_hundredths->setTristate(state == Qt::PartiallyChecked);
        refreshForNotation();
    });
}

// The two option buttons show the one setting optLLtoNorm.
void CalculatorWindow::bindForm()
{
    OptionButton &normal = m_model.calculator.normalForm;
    const auto showForm = [this, &normal] {
        QRadioButton *selected = normal.isSelected() ? m_normalForm : m_compressedForm;
        if (!selected->isChecked())
            selected->setChecked(true);
        // Tab enters the group at its selected button; the arrows move within.
        m_normalForm->setFocusPolicy(selected == m_normalForm ? Qt::StrongFocus : Qt::ClickFocus);
        m_compressedForm->setFocusPolicy(selected == m_compressedForm ? Qt::StrongFocus
                                                                      : Qt::ClickFocus);
    };
    showForm();
    connect(&normal, &OptionButton::changed, this, showForm);
    connect(m_normalForm, &QRadioButton::toggled, &normal, [&normal](bool on) {
        if (normal.isSelected() != on)
            normal.setSelected(on);
    });
}

void CalculatorWindow::refreshForNotation()
{
    m_writeButton->setEnabled(m_calculator.textsValid());
    m_frame->setTitle(m_calculator.frameCaption());
    fitCaption(m_frame);
}

void CalculatorWindow::showAndRaise()
{
    show();
    raise();
    activateWindow();
}

void CalculatorWindow::onWriteClicked()
{
    switch (m_calculator.writePosition()) {
    case PositionCalculator::WriteOutcome::NotWellFormed:
        // A text pasted with the mouse has not been through a key release.
        m_writeButton->setEnabled(false);
        return;
    case PositionCalculator::WriteOutcome::Refused:
        return;
    case PositionCalculator::WriteOutcome::Written:
        break;
    }
    if (m_statusEdit) {
        m_statusEdit->setFocus(Qt::OtherFocusReason);
        placeStatusCaret();
        setStatusBackground(true);
    }
    activateWindow();
}

void CalculatorWindow::onCloseClicked()
{
    hide();
    m_calculator.rewriteStatusText();
    if (m_statusEdit) {
        placeStatusCaret();
        setStatusBackground(false);
    }
}

// The caret goes to position 99 taken as the selection start, i.e. after the
// last character of the (at most 29-character) text, with nothing selected.
void CalculatorWindow::placeStatusCaret()
{
    const int length = static_cast<int>(m_statusEdit->text().size());
    m_statusEdit->setCursorPosition(std::min(kStatusCaretPosition, length));
}

void CalculatorWindow::setStatusBackground(bool highlighted)
{
    const QPalette system = QApplication::palette(m_statusEdit);
    QPalette palette = m_statusEdit->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Base,
                         highlighted ? kLightYellow : system.color(group, QPalette::Base));
    }
    m_statusEdit->setPalette(palette);
}

bool CalculatorWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_latitude && watched != m_longitude)
        return QDialog::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<const QKeyEvent *>(event);
        if (typesCharacter(key) && !coordinateKeyAllowed(key))
            return true; // dropped without a sound
    } else if (event->type() == QEvent::KeyRelease) {
        m_writeButton->setEnabled(m_calculator.textsValid());
    }
    return QDialog::eventFilter(watched, event);
}

void CalculatorWindow::closeEvent(QCloseEvent *event)
{
    // The window system's close requests (close box, system menu, Alt+F4)
    // arrive as spontaneous events and only hide the window, as Close does;
    // the program's own requests close it.
    if (event->spontaneous()) {
        onCloseClicked();
        event->ignore();
    } else {
        event->accept();
    }
}

void CalculatorWindow::keyPressEvent(QKeyEvent *event)
{
    // The window has no cancel button: Escape does not close it.
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace tarvek::ui
