#pragma once
// What the GPSless position calculator does, without its window: checks the
// two coordinate texts in the notation the hundredths box selects, and writes
// the APRS position report for them into the status text. It reads and
// writes the settings objects only (QtCore), so it runs without a display.
//
// The texts are checked and turned into the report by tarvek_geo; this class
// moves them between the settings (QString) and the library (Windows-1252).
#include "PositionText.h"

#include <QString>
#include <string>

namespace tarvek::config
{
class CalculatorSettings;
class TrackerSettings;
} // namespace tarvek::config

namespace tarvek::ui
{

class PositionCalculator
{
public:
    enum class WriteOutcome {
        Written,       // the report is the status text now
        NotWellFormed, // a coordinate text is not well formed: nothing changed
        Refused,       // the status text refused the report: nothing changed
    };

    // Both objects must outlive the calculator.
    PositionCalculator(config::CalculatorSettings &calc, config::TrackerSettings &tracker);

    geo::AngleNotation notation() const;
    // Whether both coordinate texts are well formed in the current notation.
    bool textsValid() const;
    // The caption of the coordinates frame for the current notation.
    QString frameCaption() const;

    // Composes the report in the selected form with the main window's symbol
    // and writes it into the status text.
    WriteOutcome writePosition();
    // Writes the status text again with its own text, which refreshes
    // everything that follows it.
    void rewriteStatusText();

private:
    config::CalculatorSettings &m_calc;
    config::TrackerSettings &m_tracker;
};

} // namespace tarvek::ui
