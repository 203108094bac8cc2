#include "AngleText.h"

#include "ConversionError.h"
#include "NumberText.h"
#include "TextCuts.h"

#include <cmath>

namespace tarvek::geo
{

namespace
{

std::string signPrefix(const std::optional<char> &sign)
{
    return sign ? std::string(1, *sign) : std::string();
}

// The seven digits of a packed angle, DDDMMSS or DDDMMCC: a shorter text
// gets zeros in front, a longer one keeps its last seven.
std::string packedDigits(const std::string &packed)
{
    return lastChars("0000000" + packed, 7);
}

} // namespace

std::string packDegreesMinutesSeconds(std::string text)
{
    const std::optional<char> sign = takeSignChar(text, kEitherAxisSigns);
    // "7.05.00" becomes "007.05.00"; the characters at positions 4 and 7 are
    // the separators and are skipped unseen.
    const std::string padded = lastChars("00" + text, 9);
    return signPrefix(sign) + charsAt(padded, 1, 3) + charsAt(padded, 5, 2) + lastChars(padded, 2);
}

double packedSecToDegrees(std::string packed)
{
    const bool negative = takeParserSign(packed);
    const std::string padded = packedDigits(packed);
    const float degrees = textToFloat(charsAt(padded, 1, 3));
    const float minutes = textToFloat(charsAt(padded, 4, 2));
    const float seconds = textToFloat(charsAt(padded, 6, 2));
    const double result = static_cast<double>(minutes) / 60 + static_cast<double>(degrees) +
                          static_cast<double>(seconds) / 3600;
    return negative ? -result : result;
}

double parseDegreesMinutesSeconds(std::string text)
{
    return packedSecToDegrees(packDegreesMinutesSeconds(std::move(text)));
}

double parseDegreesMinutesHundredths(std::string text)
{
    const bool negative = takeParserSign(text);
    const size_t dot = text.find('.');
    if (dot == std::string::npos)
        throw ConversionError("no \".\" in the angle text \"" + text + "\"");
    const float degrees = textToFloat(std::string_view(text).substr(0, dot));
    const float minutes = narrowToFloat(leadingNumber(std::string_view(text).substr(dot + 1)));
    const double result = static_cast<double>(minutes) / 60 + static_cast<double>(degrees);
    return negative ? -result : result;
}

std::string degreesToPackedCent(double value)
{
    const bool negative = value < 0;
    const double a = std::fabs(value);
    if (!(a < 2147483648.0))
        throw ConversionError("angle out of range");
    double deg = std::floor(a);
    double min = std::floor((a - deg) * 60);
    double cent = roundHalfEven(((a - deg) * 60 - min) * 100);
    if (cent == 100) {
        cent = 0;
        min += 1;
    }
    if (min == 60) {
        min = 0;
        deg += 1;
    }
    // Appended piece by piece: chained operator+ on strings trips a false
    // -Wrestrict warning in GCC 12.
    std::string packed = negative ? "-" : "";
    packed += zeroPadded(static_cast<std::int64_t>(deg), 3);
    packed += zeroPadded(static_cast<std::int64_t>(min), 2);
    packed += zeroPadded(static_cast<std::int64_t>(cent), 2);
    return packed;
}

std::string unpackCent(std::string packed)
{
    const std::optional<char> sign = takeSignChar(packed, kEitherAxisSigns);
    const std::string padded = packedDigits(packed);
    std::string text =
        charsAt(padded, 1, 3) + "." + charsAt(padded, 4, 2) + "." + charsAt(padded, 6, 2);
    // Up to two leading zeros go, so the degrees keep at least one digit.
    for (int i = 0; i < 2 && text.front() == '0'; ++i)
        text.erase(0, 1);
    return signPrefix(sign) + text;
}

std::string formatDegreesMinutesHundredths(double value)
{
    return unpackCent(degreesToPackedCent(value));
}

} // namespace tarvek::geo
