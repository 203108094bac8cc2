#pragma once
// Locale-free conversions between texts and numbers, with the rules that the
// coordinate texts were always read with. Nothing here depends on the C or C++
// locale: "." is the only decimal point, digits are "0" to "9".
#include <cstdint>
#include <string>
#include <string_view>

namespace tarvek::geo
{

// A plain decimal number at the start of a text: an optional "+" or "-",
// digits, and an optional "." with more digits. Both strict readings (the
// coordinates' and the .cfg files') take a number's parts from here.
struct DecimalParts {
    bool negative = false;
    std::string_view whole;    // the digits before the point
    bool point = false;        // whether there is a "."
    std::string_view fraction; // the digits after it
    std::string_view rest;     // what follows the number

    bool hasDigits() const { return !whole.empty() || !fraction.empty(); }
};
DecimalParts scanDecimal(std::string_view text);

// Strict conversion of a whole text to a 32-bit float: surrounding spaces and
// tabs are allowed, then one optional "+" or "-", digits with an optional "."
// fraction (at least one digit) and an optional exponent ("e12", "E-3").
// Anything else, an empty text or a value beyond the float range throws
// ConversionError. The text is read as a double first and then narrowed.
float textToFloat(std::string_view text);

// Strict conversion as above, taken to the nearest whole number (ties to the
// even one). Throws ConversionError outside the 32-bit signed range.
std::int32_t textToWhole(std::string_view text);

// The numeric reading rule of every numeric field, SSID and port number, and
// of a coordinate's minutes: blanks (spaces, tabs, line ends) are skipped
// wherever they stand; then an optional sign, digits and an optional "." with
// more digits are read up to the first character that cannot continue the
// number, such as the prompt "_" of an unfilled position. No exponent is
// read. A text without a leading number reads as 0; a number too large for a
// double reads as +/-infinity, one too small to tell from zero as 0.
double leadingNumber(std::string_view text);

// How the fraction of a magnitude compares to one half.
enum class Fraction { BelowHalf, Half, AboveHalf };

// Rounding half to even: whether a magnitude goes up to the next whole number,
// given whether its whole part is odd and how its fraction compares to a half.
bool roundsUpHalfEven(bool wholeIsOdd, Fraction fraction);

// Nearest whole number, a tie going to the even neighbour (2.5 -> 2, 3.5 -> 4,
// -0.5 -> -0). std::round would take ties away from zero, which is wrong here.
double roundHalfEven(double value);

// Narrows a double to a 32-bit float; throws ConversionError when the value
// lies beyond the float range (instead of becoming infinite).
float narrowToFloat(double value);

// Decimal digits of value, at least minDigits of them (leading zeros), with
// "-" in front of a negative value.
std::string zeroPadded(std::int64_t value, int minDigits);

} // namespace tarvek::geo
