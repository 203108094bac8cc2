#include "PositionText.h"

#include "AngleText.h"
#include "AngleValidation.h"
#include "AprsPosition.h"

namespace tarvek::geo
{

namespace
{

double parseAngle(const std::string &text, AngleNotation notation)
{
    return notation == AngleNotation::Hundredths ? parseGradMinCent(text) : parseGradMinSec(text);
}

} // namespace

char symbolTableId(bool alternate)
{
    return alternate ? '\\' : '/';
}

bool positionTextsValid(const std::string &latText, const std::string &lonText,
                        AngleNotation notation) noexcept
{
    if (notation == AngleNotation::Hundredths) {
        const bool latOk = isValidLatCent(latText);
        return isValidLonCent(lonText) && latOk;
    }
    const bool latOk = isValidLatSec(latText);
    return isValidLonSec(lonText) && latOk;
}

std::string composePositionText(const std::string &latText, const std::string &lonText,
                                AngleNotation notation, PositionForm form, char tableId,
                                const std::string &symbolCode)
{
    const double lon = parseAngle(lonText, notation);
    const double lat = parseAngle(latText, notation);
    if (form == PositionForm::Compressed)
        return compressedPosition(lat, lon, tableId, symbolCode);
    const bool asTyped = notation == AngleNotation::Hundredths;
    const std::string latField = aprsLatText(asTyped ? latText : formatGradMinCent(lat));
    const std::string lonField = aprsLonText(asTyped ? lonText : formatGradMinCent(lon));
    return "=" + latField + std::string(1, tableId) + lonField + symbolCode;
}

} // namespace tarvek::geo
