#include "PositionText.h"

#include "AngleText.h"
#include "AngleValidation.h"
#include "AprsPosition.h"

namespace tarvek::geo
{

namespace
{

double ParseAngle(const std::string &text, AngleNotation notation)
{
    return notation == AngleNotation::Hundredths ? ParseGradMinCent(text) : ParseGradMinSec(text);
}

} // namespace

char SymbolTableId(bool alternate)
{
    return alternate ? '\\' : '/';
}

bool PositionTextsValid(const std::string &latText, const std::string &lonText,
                        AngleNotation notation) noexcept
{
    if (notation == AngleNotation::Hundredths) {
        const bool latOk = IsValidLatCent(latText);
        return IsValidLonCent(lonText) && latOk;
    }
    const bool latOk = IsValidLatSec(latText);
    return IsValidLonSec(lonText) && latOk;
}

std::string ComposePositionText(const std::string &latText, const std::string &lonText,
                                AngleNotation notation, PositionForm form, char tableId,
                                const std::string &symbolCode)
{
    const double lon = ParseAngle(lonText, notation);
    const double lat = ParseAngle(latText, notation);
    if (form == PositionForm::Compressed)
        return CompressedPosition(lat, lon, tableId, symbolCode);
    const bool asTyped = notation == AngleNotation::Hundredths;
    const std::string latField = AprsLatText(asTyped ? latText : FormatGradMinCent(lat));
    const std::string lonField = AprsLonText(asTyped ? lonText : FormatGradMinCent(lon));
    return "=" + latField + std::string(1, tableId) + lonField + symbolCode;
}

} // namespace tarvek::geo
