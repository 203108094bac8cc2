#pragma once
// Decimal numbers as they stand in a .cfg file or in a text that must convert
// strictly: kept digit for digit, so that rounding and range checks are exact
// however many digits a (damaged) file holds.
#include <QString>
#include <QStringView>
#include <optional>

namespace tarvek::cfgfile
{

struct DecimalNumber {
    bool negative = false;
    QString whole;    // digits without leading zeros; empty for 0
    QString fraction; // digits after the point without trailing zeros

    bool isZero() const { return whole.isEmpty() && fraction.isEmpty(); }
};

// A text that is wholly a number: spaces around it, an optional "+" or "-",
// digits with an optional "." and more digits (at least one digit in all).
// No exponent, no thousands separators, the same in every locale.
std::optional<DecimalNumber> parseDecimal(QStringView text);

// Plain decimal digits: "-12.5", "0", "7" (for "007").
QString decimalText(const DecimalNumber &number);

// The nearest whole number, a half going to the even neighbour, or nothing
// when it lies outside [min, max].
std::optional<long long> roundDecimal(const DecimalNumber &number, long long min, long long max);

} // namespace tarvek::cfgfile
