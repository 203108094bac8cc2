#include "FieldRules.h"

#include "CaptionFit.h"
#include "FieldFilters.h"
#include "FormTable.h"
#include "MaskedLineEdit.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QPushButton>

using namespace tarvek::config;

namespace tarvek::ui
{

namespace
{

const QColor kGpslessGreen(0, 128, 0);

void setLook(QLabel *label, const QString &caption, bool bold, const QColor &colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    // Fitting measures the caption again; it is fitted already when neither
    // its text nor its weight changes.
    if (label->text() == caption && label->font().bold() == bold)
        return;
    QFont font = label->font();
    font.setBold(bold);
    label->setFont(font);
    label->setText(caption);
    fitCaption(label);
}

// The counter shows how many characters are left; a screen reader reads it
// as such.
void showCounter(QLabel *counter, const MaskedField &field)
{
    const int left = field.maxLength() - static_cast<int>(field.text().size());
    counter->setText(counterText(field.maxLength(), static_cast<int>(field.text().size())));
    counter->setAccessibleName(left == 1 ? QStringLiteral("1 character left")
                                         : QStringLiteral("%1 characters left").arg(left));
    fitCaption(counter);
}

} // namespace

FieldRules::NormalCaptions FieldRules::normalCaptionsOf(const MainWindowControls &controls)
{
    NormalCaptions captions;
    captions.gpsless = controls.gpslessLabel->text();
    captions.statusText = controls.statusTextLabel->text();
    return captions;
}

FieldRules::FieldRules(const MainWindowControls &controls, const Form &form,
                       TrackerSettings &settings)
    : m_c(controls), m_settings(settings), m_normalCaptions(normalCaptionsOf(controls))
{
    for (QWidget *widget : form.selectingAll()) {
        auto *field = static_cast<MaskedLineEdit *>(widget);
        connect(field, &MaskedLineEdit::gotFocus, this, [this, field] { selectAllOnFocus(field); });
    }
    bindKeyFilters();
    connect(&settings.statusText, &MaskedField::changed, this, &FieldRules::showStatusCounter);
    connect(&settings.message, &MaskedField::changed, this, &FieldRules::showMessageCounter);
    connect(&settings.gpsTimeout, &MaskedField::changed, this,
            [this] { showGpslessMode(isGpslessMode(m_settings.gpsTimeout.text())); });
    // Whatever the settings hold already is shown by the same rules.
    showStatusCounter();
    showMessageCounter();
    showGpslessMode(isGpslessMode(settings.gpsTimeout.text()));
    // Sees every focus change before the control that gets the focus.
    qApp->installEventFilter(this);
}

bool FieldRules::eventFilter(QObject *, QEvent *event)
{
    if (event->type() == QEvent::FocusIn)
        m_focusReason = static_cast<QFocusEvent *>(event)->reason();
    return false;
}

// The whole text selected from its start, the caret at its end, as Home and
// then Shift+End leave it; queued to the field, so that it runs after the
// focus change has finished (a mouse click included). A call rather than
// synthetic keystrokes: a platform may map or drop keys it did not send.
// Only on Tab, a click or start-up: when the window is merely activated
// again (back from the calculator, the help viewer, a message box or another
// program) the caret the operator placed stays where it was.
void FieldRules::selectAllOnFocus(MaskedLineEdit *field)
{
    if (field->hasFocus() && m_focusReason == Qt::ActiveWindowFocusReason)
        return;
    QMetaObject::invokeMethod(field, &QLineEdit::selectAll, Qt::QueuedConnection);
}

void FieldRules::bindKeyFilters()
{
    m_c.callsign->setKeyHook([](int &code) { filterCallsignKey(code); });
    m_c.messageTo->setKeyHook([](int &code) { filterCallsignKey(code); });
    m_c.path->setKeyHook([](int &code) { filterPathKey(code); });
    m_c.message->setKeyHook([](int &code) { filterMessageKey(code); });
    m_c.statusText->setKeyHook(
        [this](int &code) { filterStatusTextKey(code, m_settings.gpsTimeout.text()); });
}

void FieldRules::showStatusCounter()
{
    showCounter(m_c.statusCounter, m_settings.statusText);
}

void FieldRules::showMessageCounter()
{
    showCounter(m_c.messageCounter, m_settings.message);
}

// Changes the presentation only; no setting changes. Most changes of the
// timeout keep the mode, and then there is nothing to redraw.
void FieldRules::showGpslessMode(bool gpsless)
{
    if (m_shownGpsless == gpsless)
        return;
    m_shownGpsless = gpsless;
    const QColor normal = QApplication::palette().color(QPalette::ButtonText);
    const QColor colour = gpsless ? kGpslessGreen : normal;
    setLook(m_c.gpslessLabel, gpsless ? QStringLiteral("GPSless Mode") : m_normalCaptions.gpsless,
            gpsless, colour);
    setLook(m_c.statusTextLabel,
            gpsless ? QStringLiteral("GPSless Bcn") : m_normalCaptions.statusText, gpsless, colour);
    m_c.micELabel->setVisible(!gpsless);
    m_c.micE->setVisible(!gpsless);
    m_c.gpslessButton->setVisible(gpsless);
}

} // namespace tarvek::ui
