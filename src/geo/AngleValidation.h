#pragma once
// Whether a latitude or longitude text is well formed in one notation and
// within range. Accepted, after one optional sign character of the right axis
// ("N"/"S" for a latitude, "E"/"W" for a longitude, "+" or "-", either case):
// degrees of one or more digits, ".", two digits of minutes below 60, ".",
// two digits of seconds below 60 (seconds notation) or of hundredths
// (hundredths notation); value at most 90 for a latitude, 180 for a longitude.
// In the seconds notation the degrees have at most 2 digits for a latitude and
// 3 for a longitude; in the hundredths notation any number of digits.
//
// The validators never throw and read nothing beyond the text.
#include <string>
#include <string_view>

namespace tarvek::geo
{

// True when the text is not empty and every character is "0" to "9".
bool isAllDigits(std::string_view text) noexcept;

bool isValidLatSec(std::string text) noexcept;
bool isValidLonSec(std::string text) noexcept;
bool isValidLatCent(std::string text) noexcept;
bool isValidLonCent(std::string text) noexcept;

} // namespace tarvek::geo
