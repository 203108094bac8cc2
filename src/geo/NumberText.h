#pragma once
// Locale-free conversions between texts and numbers, with the rules that the
// coordinate texts were always read with. Nothing here depends on the C or C++
// locale: "." is the only decimal point, digits are "0" to "9".
#include <cstdint>
#include <string>
#include <string_view>

namespace tarvek::geo
{

// Strict conversion of a whole text to a 32-bit float: surrounding spaces and
// tabs are allowed, then one optional "+" or "-", digits with an optional "."
// fraction (at least one digit) and an optional exponent ("e12", "E-3").
// Anything else, an empty text or a value beyond the float range throws
// ConversionError. The text is read as a double first and then narrowed.
float textToFloat(std::string_view text);

// Strict conversion as above, taken to the nearest whole number (ties to the
// even one). Throws ConversionError outside the 32-bit signed range.
std::int32_t textToWhole(std::string_view text);

// Leading-number scan: spaces, tabs and line feeds are skipped anywhere, then
// an optional sign, digits and an optional "." fraction are read up to the
// first character that cannot continue the number. A text without a leading
// number reads as 0. Throws ConversionError only when the digits overflow.
double leadingNumber(std::string_view text);

// Narrows a double to a 32-bit float; throws ConversionError when the value
// lies beyond the float range (instead of becoming infinite).
float narrowToFloat(double value);

// Decimal digits of value, at least minDigits of them (leading zeros), with
// "-" in front of a negative value.
std::string zeroPadded(std::int64_t value, int minDigits);

} // namespace tarvek::geo
