#pragma once
// The numeric reading rule that every numeric field and every SSID goes
// through: the decimal number at the start of the text, or 0.
#include <QString>

namespace tarvek::config
{

// Blanks (spaces, tabs, line ends) are skipped wherever they stand; then an
// optional sign, digits and an optional "." with more digits. Reading stops at
// the first other character, such as the prompt "_" of an unfilled position.
// No exponent is read. A text that does not start with a number reads as 0;
// a number too large for a double reads as +/-infinity.
double readNumber(const QString &text);

// Nearest whole number, a tie going to the even neighbour (2.5 -> 2, 3.5 -> 4).
// std::round would take ties away from zero, which is wrong here.
double roundHalfEven(double value);

// A whole number written with at least `digits` digits, zeros in front.
QString formatWithDigits(long long value, int digits);

} // namespace tarvek::config
