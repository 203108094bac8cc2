#pragma once
// The field rules of the main window: select-all on focus, the keystroke
// filters, the remaining-character counters and the GPSless Mode switch.
// They follow the settings: whoever changes a setting, the rules run.
#include "MainWindowControls.h"

#include <QObject>
#include <optional>

namespace tarvek::ui
{

class Form;

class FieldRules : public QObject
{
    Q_OBJECT
public:
    // `controls` and `settings` must outlive the rules; `form` gives the
    // fields that select their text when the focus arrives.
    FieldRules(const MainWindowControls &controls, const Form &form,
               config::TrackerSettings &settings);

    // Selects the field's whole text once the focus change has finished,
    // unless the field got the focus back because its window was merely
    // activated again (the caret the operator placed then stays).
    void selectAllOnFocus(MaskedLineEdit *field);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void bindKeyFilters();
    void showStatusCounter();
    void showMessageCounter();
    void showGpslessMode(bool gpsless);

    const MainWindowControls &m_c;
    config::TrackerSettings &m_settings;
    // The captions the form gives the two labels GPSless Mode renames.
    struct NormalCaptions {
        QString gpsless;
        QString statusText;
    };
    static NormalCaptions normalCaptionsOf(const MainWindowControls &controls);
    const NormalCaptions m_normalCaptions;
    std::optional<bool> m_shownGpsless; // the presentation on screen
    // Why the focus last moved (seen before the control gets it).
    Qt::FocusReason m_focusReason = Qt::OtherFocusReason;
};

} // namespace tarvek::ui
