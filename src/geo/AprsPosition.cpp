#include "AprsPosition.h"

#include "ConversionError.h"
#include "NumberText.h"
#include "TextCuts.h"

#include <cmath>
#include <cstdint>

namespace tarvek::geo
{

namespace
{

constexpr std::int64_t kBase = 91;
constexpr std::int64_t kFourDigitLimit = kBase * kBase * kBase * kBase;

std::string normalField(std::string text, const AxisSigns &axis, int degreeDigits)
{
    const std::optional<char> sign = takeSignChar(text, axis.all);
    const char hemisphere = sign && isNegativeSign(*sign) ? axis.negative : axis.positive;
    const size_t dot = text.find('.');
    if (dot == std::string::npos)
        throw ConversionError("no \".\" in the angle text \"" + text + "\"");
    const std::int32_t degrees = textToWhole(std::string_view(text).substr(0, dot));
    return zeroPadded(degrees, degreeDigits) + text.substr(dot + 1) + hemisphere;
}

std::int64_t scaledCoordinate(double scaled)
{
    const double rounded = roundHalfEven(scaled);
    if (!(rounded >= 0 && rounded < static_cast<double>(kFourDigitLimit)))
        throw ConversionError("coordinate out of range for the compressed form");
    return static_cast<std::int64_t>(rounded);
}

// Four base-91 digits, most significant first, "!" (0) to "{" (90).
std::string base91(std::int64_t value)
{
    std::string digits(4, '!');
    for (int i = 3; i >= 0; --i) {
        digits[static_cast<size_t>(i)] = static_cast<char>('!' + value % kBase);
        value /= kBase;
    }
    return digits;
}

} // namespace

std::string aprsLatText(std::string text)
{
    return normalField(std::move(text), kLatitudeSigns, 2);
}

std::string aprsLonText(std::string text)
{
    return normalField(std::move(text), kLongitudeSigns, 3);
}

std::string compressedPosition(double lat, double lon, char tableId, const std::string &symbolCode)
{
    const std::int64_t y = scaledCoordinate((90 - lat) * 380926);
    const std::int64_t x = scaledCoordinate((lon + 180) * 190463);
    std::string text = "=";
    text += tableId;
    text += base91(y);
    text += base91(x);
    text += symbolCode;
    text += "  >";
    return text;
}

} // namespace tarvek::geo
