#include "PositionCalculator.h"

#include "AprsSymbols.h"
#include "Cp1252.h"
#include "TrackerSettings.h"

using namespace tarvek::config;

namespace tarvek::ui
{
namespace
{

std::string toCp1252(const QString &text)
{
    return encodeCp1252(text).toStdString();
}

QString fromCp1252(const std::string &bytes)
{
    return decodeCp1252(QByteArray::fromStdString(bytes));
}

} // namespace

PositionCalculator::PositionCalculator(CalculatorSettings &calc, TrackerSettings &tracker)
    : m_calc(calc), m_tracker(tracker)
{
}

geo::AngleNotation PositionCalculator::notation() const
{
    return m_calc.hundredths.isTicked() ? geo::AngleNotation::Hundredths
                                        : geo::AngleNotation::Seconds;
}

bool PositionCalculator::textsValid() const
{
    return geo::positionTextsValid(toCp1252(m_calc.latitude.text()),
                                   toCp1252(m_calc.longitude.text()), notation());
}

QString PositionCalculator::frameCaption() const
{
    return m_calc.hundredths.isTicked() ? QStringLiteral("Lat / Lon coordinates [+/-Grad.Min.Cent]")
                                        : QStringLiteral("Lat / Lon coordinates [+/-Grad.Min.Sec]");
}

PositionCalculator::WriteOutcome PositionCalculator::writePosition()
{
    if (!textsValid())
        return WriteOutcome::NotWellFormed;
    const auto form =
        m_calc.normalForm.isSelected() ? geo::PositionForm::Normal : geo::PositionForm::Compressed;
    const char table = tableCharacter(tableOfBox(m_tracker.alternateTable.value())).toLatin1();
    // The symbol as the field shows it: an unfilled position gives its prompt
    // "_", so that the text keeps its layout; SEND refuses that field anyway.
    const geo::PositionResult report = geo::composePositionText(
        toCp1252(m_calc.latitude.text()), toCp1252(m_calc.longitude.text()), notation(), form,
        table, toCp1252(m_tracker.symbol.text()));
    if (!report.ok())
        return WriteOutcome::NotWellFormed;
    return m_tracker.statusText.setText(fromCp1252(report.text)) ? WriteOutcome::Written
                                                                 : WriteOutcome::Refused;
}

void PositionCalculator::rewriteStatusText()
{
    (void)m_tracker.statusText.setText(m_tracker.statusText.text());
}

} // namespace tarvek::ui
