// The field rules of the main window: select-all on focus, the keystroke
// filters, the remaining-character counters and the GPSless Mode switch.
#include "CaptionFit.h"
#include "FieldFilters.h"
#include "MainWindow.h"
#include "MaskedLineEdit.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

namespace tarvek::ui
{

namespace
{

const QColor kGpslessGreen(0, 128, 0);

void PostKey(QWidget *target, int key, Qt::KeyboardModifiers modifiers)
{
    QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, key, modifiers));
    QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyRelease, key, modifiers));
}

void SetLook(QLabel *label, const QString &caption, bool bold, const QColor &colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    QFont font = label->font();
    font.setBold(bold);
    label->setFont(font);
    label->setText(caption);
    FitCaption(label);
}

void ShowCounter(QLabel *label, const MaskedField &field)
{
    label->setText(CounterText(field.maxLength(), static_cast<int>(field.text().size())));
    FitCaption(label);
}

} // namespace

void MainWindow::bindFieldRules()
{
    bindSelectAllOnFocus();
    bindKeyFilters();
    TrackerSettings &t = m_model.tracker;
    connect(&t.edBeacon, &MaskedField::changed, this, &MainWindow::edBeacon_Change);
    connect(&t.edAprsMsg, &MaskedField::changed, this, &MainWindow::edAprsMsg_Change);
    connect(&t.edGpsAcqTime, &MaskedField::changed, this, &MainWindow::edGpsAcqTime_Change);
    // Whatever the model holds already is shown by the same rules.
    edBeacon_Change();
    edAprsMsg_Change();
    edGpsAcqTime_Change();
}

void MainWindow::bindSelectAllOnFocus()
{
    for (MaskedLineEdit *field :
         {m_c.edNumFlagsAuto, m_c.edSymbol, m_c.edBcnEvery, m_c.edManualTime, m_c.edGpsCheckTime,
          m_c.edMsgRepeat, m_c.edComm}) {
        connect(field, &MaskedLineEdit::gotFocus, this, [this, field] { SelectAllOnFocus(field); });
    }
    for (int i = 0; i < kSpeedBands; ++i) {
        connect(m_c.esSpeedTable[static_cast<size_t>(i)], &MaskedLineEdit::gotFocus, this,
                [this, i] { esSpeedTable_GotFocus(i); });
    }
}

void MainWindow::esSpeedTable_GotFocus(int)
{
    if (auto *focused = qobject_cast<MaskedLineEdit *>(focusWidget()))
        SelectAllOnFocus(focused);
}

// Home, then Shift+End, queued to the field: they run after the focus change
// has finished (a mouse click included), and select the whole text. Only on
// Tab, a click or start-up: when the window is merely activated again (back
// from the calculator, the help viewer, a message box or another program)
// the caret the operator placed stays where it was.
void MainWindow::SelectAllOnFocus(MaskedLineEdit *field)
{
    if (field->hasFocus() && m_focusReason == Qt::ActiveWindowFocusReason)
        return;
    PostKey(field, Qt::Key_Home, Qt::NoModifier);
    PostKey(field, Qt::Key_End, Qt::ShiftModifier);
}

void MainWindow::bindKeyFilters()
{
    m_c.edMyCall->setKeyHook([this](int &code) { FilterCallsignKey(code); });
    m_c.edDestCall->setKeyHook([this](int &code) { FilterCallsignKey(code); });
    m_c.edAprsPath->setKeyHook([](int &code) { FilterPathKey(code); });
    m_c.edAprsMsg->setKeyHook([](int &code) { FilterMessageKey(code); });
    m_c.edBeacon->setKeyHook(
        [this](int &code) { FilterStatusTextKey(code, m_model.tracker.edGpsAcqTime.text()); });
}

void MainWindow::FilterCallsignKey(int &code)
{
    tarvek::FilterCallsignKey(code);
}

void MainWindow::edBeacon_Change()
{
    ShowCounter(m_c.Label34, m_model.tracker.edBeacon);
}

void MainWindow::edAprsMsg_Change()
{
    ShowCounter(m_c.Label13, m_model.tracker.edAprsMsg);
}

void MainWindow::edGpsAcqTime_Change()
{
    ShowGpslessMode(IsGpslessMode(m_model.tracker.edGpsAcqTime.text()));
}

// Changes the presentation only; no setting changes. Most changes of the
// timeout keep the mode, and then there is nothing to redraw.
void MainWindow::ShowGpslessMode(bool gpsless)
{
    if (m_shownGpsless == gpsless)
        return;
    m_shownGpsless = gpsless;
    const QColor normal = QApplication::palette().color(QPalette::ButtonText);
    const QColor colour = gpsless ? kGpslessGreen : normal;
    SetLook(m_c.Label33,
            gpsless ? QStringLiteral("GPSless Mode") : QStringLiteral("(0=GPSless Mode)"), gpsless,
            colour);
    SetLook(m_c.Label6, gpsless ? QStringLiteral("GPSless Bcn") : QStringLiteral("STATUS Text"),
            gpsless, colour);
    m_c.Label12->setVisible(!gpsless);
    m_c.cbMicEMsg->setVisible(!gpsless);
    m_c.cmdLatLon->setVisible(gpsless);
}

} // namespace tarvek::ui
