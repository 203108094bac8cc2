#include "OnAirMarks.h"

#include "FieldMarks.h"
#include "MaskedLineEdit.h"
#include "OnAirWarnings.h"
#include "SettingsDescription.h"

#include <QTimer>

using namespace tarvek::config;

namespace tarvek::ui
{

OnAirMarks::OnAirMarks(const MainWindowControls &controls, TrackerSettings &settings,
                       QObject *parent)
    : QObject(parent), m_settings(settings)
{
    m_fields = {controls.callsign, controls.path, controls.statusText, controls.manualInterval,
                controls.messageTo};
    for (MaskedLineEdit *band : controls.speedIntervals)
        m_fields << band;
    // The settings the rules read: the marked fields themselves, and GPSless
    // Mode and the symbol for the status text.
    for (MaskedLineEdit *field : m_fields)
        connect(&field->field(), &MaskedField::changed, this, &OnAirMarks::markAll);
    for (MaskedField *input : {&settings.gpsTimeout, &settings.symbol})
        connect(input, &MaskedField::changed, this, &OnAirMarks::markAll);
    connect(&settings.alternateTable, &CheckBox::changed, this, &OnAirMarks::markAll);
    QTimer::singleShot(0, this, &OnAirMarks::markAll);
}

void OnAirMarks::markAll()
{
    const std::vector<OnAirWarning> warnings = onAirWarnings(m_settings);
    for (MaskedLineEdit *field : m_fields) {
        QStringList reasons;
        for (const OnAirWarning &warning : warnings) {
            if (warning.setting->key == field->objectName())
                reasons << warning.reason;
        }
        setFieldWarnings(field, reasons);
    }
}

} // namespace tarvek::ui
