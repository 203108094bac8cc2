#pragma once
// The notes that say what a value means to the tracker, as the tooltip and
// accessible description of its field: the symbol's name in the table
// "Alternate Table" chooses, and for the TX delay, the speed bands, the
// manual interval and the acquisition interval what the tracker will really
// use. They follow the settings, whoever changes them (typing, Default,
// Load, the symbol picker).
#include "MainWindowControls.h"

#include <QList>
#include <QObject>

namespace tarvek::ui
{

class FieldNotes : public QObject
{
    Q_OBJECT
public:
    // `controls` and `settings` must outlive the notes. The first notes are
    // written once the event loop runs, after the first frame.
    FieldNotes(const MainWindowControls &controls, config::TrackerSettings &settings,
               QObject *parent = nullptr);

private:
    void noteSymbol();
    void noteTiming(MaskedLineEdit *field);
    void noteAll();

    const MainWindowControls &m_c;
    config::TrackerSettings &m_settings;
    // The TX delay, the manual and acquisition intervals and the speed bands.
    QList<MaskedLineEdit *> m_timingFields;
};

} // namespace tarvek::ui
