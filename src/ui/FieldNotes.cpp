#include "FieldNotes.h"

#include "AprsSymbols.h"
#include "FieldMarks.h"
#include "MaskedLineEdit.h"
#include "SettingsDescription.h"
#include "TimingNotes.h"

#include <QTimer>

using namespace tarvek::config;

namespace tarvek::ui
{
namespace
{

void showNote(QWidget *field, const QString &note)
{
    setFieldNote(field, note, note);
}

} // namespace

FieldNotes::FieldNotes(const MainWindowControls &controls, TrackerSettings &settings,
                       QObject *parent)
    : QObject(parent), m_c(controls), m_settings(settings)
{
    connect(&settings.symbol, &MaskedField::changed, this, &FieldNotes::noteSymbol);
    connect(&settings.alternateTable, &CheckBox::changed, this, &FieldNotes::noteSymbol);
    m_timingFields = {controls.txDelay, controls.manualInterval, controls.gpsInterval};
    for (MaskedLineEdit *band : controls.speedIntervals)
        m_timingFields << band;
    for (MaskedLineEdit *field : m_timingFields)
        connect(&field->field(), &MaskedField::changed, this, [this, field] { noteTiming(field); });
    QTimer::singleShot(0, this, &FieldNotes::noteAll);
}

void FieldNotes::noteAll()
{
    noteSymbol();
    for (MaskedLineEdit *field : m_timingFields)
        noteTiming(field);
}

void FieldNotes::noteSymbol()
{
    showNote(m_c.symbol, symbolDescription(m_settings.symbol.content(),
                                           tableOfBox(m_settings.alternateTable.value())));
}

// The tooltip is the note alone; a screen reader hears the field's format
// first, then the note.
void FieldNotes::noteTiming(MaskedLineEdit *field)
{
    const SettingDescription *setting = findSetting(field->objectName());
    if (!setting)
        return;
    const QString note = timingNote(*setting, field->field().text()).value_or(QString());
    setFieldNote(field, note, QStringLiteral("%1. %2").arg(setting->format, note));
}

} // namespace tarvek::ui
