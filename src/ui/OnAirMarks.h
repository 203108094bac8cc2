#pragma once
// The amber mark on each field whose setting would go wrong on the air
// (config/OnAirWarnings.h), with the reasons in its tooltip and accessible
// description after the field's note. The marks follow the settings,
// whoever changes them (typing, Default, Load, the calculator, SEND's
// write-back); a red mark of a refused SEND wins over them (FieldMarks.h).
#include "MainWindowControls.h"

#include <QList>
#include <QObject>

namespace tarvek::ui
{

class OnAirMarks : public QObject
{
    Q_OBJECT
public:
    // `controls` and `settings` must outlive the marks. The first marks are
    // written once the event loop runs, after the first frame.
    OnAirMarks(const MainWindowControls &controls, config::TrackerSettings &settings,
               QObject *parent = nullptr);

private:
    void markAll();

    const config::TrackerSettings &m_settings;
    QList<MaskedLineEdit *> m_fields; // those a warning can be about
};

} // namespace tarvek::ui
