#include "PositionText.h"

#include "AngleText.h"
#include "AngleValidation.h"
#include "AprsPosition.h"
#include "ConversionError.h"

namespace tarvek::geo
{

namespace
{

double parseAngle(const std::string &text, AngleNotation notation)
{
    return notation == AngleNotation::Hundredths ? parseDegreesMinutesHundredths(text)
                                                 : parseDegreesMinutesSeconds(text);
}

} // namespace

char symbolTableId(bool alternate)
{
    return alternate ? kAlternateTableId : kPrimaryTableId;
}

bool angleTextValid(Axis axis, const std::string &text, AngleNotation notation) noexcept
{
    if (notation == AngleNotation::Hundredths)
        return axis == Axis::Latitude ? isValidLatCent(text) : isValidLonCent(text);
    return axis == Axis::Latitude ? isValidLatSec(text) : isValidLonSec(text);
}

bool positionTextsValid(const std::string &latText, const std::string &lonText,
                        AngleNotation notation) noexcept
{
    const bool latOk = angleTextValid(Axis::Latitude, latText, notation);
    return angleTextValid(Axis::Longitude, lonText, notation) && latOk;
}

PositionResult composePositionText(const std::string &latText, const std::string &lonText,
                                   AngleNotation notation, PositionForm form, char tableId,
                                   const std::string &symbolCode)
{
    try {
        const double lon = parseAngle(lonText, notation);
        const double lat = parseAngle(latText, notation);
        if (form == PositionForm::Compressed)
            return {compressedPosition(lat, lon, tableId, symbolCode), {}};
        const bool asTyped = notation == AngleNotation::Hundredths;
        const std::string latField =
            aprsLatText(asTyped ? latText : formatDegreesMinutesHundredths(lat));
        const std::string lonField =
            aprsLonText(asTyped ? lonText : formatDegreesMinutesHundredths(lon));
        return {"=" + latField + std::string(1, tableId) + lonField + symbolCode, {}};
    } catch (const ConversionError &error) {
        return {{}, error.what()};
    }
}

} // namespace tarvek::geo
