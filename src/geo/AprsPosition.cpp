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

std::string NormalField(std::string text, char positive, char negative, int degreeDigits)
{
    char hemisphere = positive;
    if (!text.empty()) {
        const char first = UpperAscii(text.front());
        if (first == '-' || first == negative) {
            hemisphere = negative;
            text.erase(0, 1);
        } else if (first == '+' || first == positive) {
            text.erase(0, 1);
        }
    }
    const size_t dot = text.find('.');
    if (dot == std::string::npos)
        throw ConversionError("no \".\" in the angle text \"" + text + "\"");
    const std::int32_t degrees = TextToWhole(std::string_view(text).substr(0, dot));
    return ZeroPadded(degrees, degreeDigits) + text.substr(dot + 1) + hemisphere;
}

std::int64_t ScaledCoordinate(double scaled)
{
    const double rounded = std::nearbyint(scaled);
    if (!(rounded >= 0 && rounded < static_cast<double>(kFourDigitLimit)))
        throw ConversionError("coordinate out of range for the compressed form");
    return static_cast<std::int64_t>(rounded);
}

// Four base-91 digits, most significant first, "!" (0) to "{" (90).
std::string Base91(std::int64_t value)
{
    std::string digits(4, '!');
    for (int i = 3; i >= 0; --i) {
        digits[static_cast<size_t>(i)] = static_cast<char>('!' + value % kBase);
        value /= kBase;
    }
    return digits;
}

} // namespace

std::string AprsLatText(std::string text)
{
    return NormalField(std::move(text), 'N', 'S', 2);
}

std::string AprsLonText(std::string text)
{
    return NormalField(std::move(text), 'E', 'W', 3);
}

std::string CompressedPosition(double lat, double lon, char tableId, const std::string &symbolCode)
{
    const std::int64_t y = ScaledCoordinate((90 - lat) * 380926);
    const std::int64_t x = ScaledCoordinate((lon + 180) * 190463);
    std::string text = "=";
    text += tableId;
    text += Base91(y);
    text += Base91(x);
    text += symbolCode;
    text += "  >";
    return text;
}

} // namespace tarvek::geo
