#include "NumberText.h"

#include "ConversionError.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

namespace tarvek::geo
{

namespace
{

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view trimBlanks(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string_view takeDigits(std::string_view &text)
{
    size_t n = 0;
    while (n < text.size() && isDigit(text[n]))
        ++n;
    const std::string_view digits = text.substr(0, n);
    text.remove_prefix(n);
    return digits;
}

// Rewrites a strictly formed number in the plain form that std::from_chars
// reads (no "+", "e" exponent marker), or gives nothing for any other text.
std::optional<std::string> strictNumber(std::string_view text)
{
    const DecimalParts number = scanDecimal(trimBlanks(text));
    if (!number.hasDigits())
        return std::nullopt;
    std::string out = number.negative ? "-" : "";
    out += number.whole;
    if (number.point)
        out += '.';
    out += number.fraction;
    std::string_view rest = number.rest;
    if (!rest.empty() && (rest.front() == 'e' || rest.front() == 'E')) {
        out += 'e';
        rest.remove_prefix(1);
        if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
            if (rest.front() == '-')
                out += '-';
            rest.remove_prefix(1);
        }
        const std::string_view exponent = takeDigits(rest);
        if (exponent.empty())
            return std::nullopt;
        out += exponent;
    }
    if (!rest.empty())
        return std::nullopt;
    return out;
}

double plainToDouble(const std::string &plain)
{
    double value = 0;
    const auto [end, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (ec != std::errc() || end != plain.data() + plain.size())
        throw ConversionError("number out of range: " + plain);
    return value;
}

double strictTextToDouble(std::string_view text)
{
    const std::optional<std::string> plain = strictNumber(text);
    if (!plain)
        throw ConversionError("not a number: \"" + std::string(text) + "\"");
    return plainToDouble(*plain);
}

bool isScanBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// The digits of a scanned number as a double: beyond the double range it is
// infinite, and too small to tell from zero it is 0.
double scannedToDouble(const std::string &plain)
{
    double value = 0;
    const bool negative = plain.front() == '-';
    const char *first = plain.data() + (negative ? 1 : 0);
    const char *last = plain.data() + plain.size();
    const auto [end, ec] = std::from_chars(first, last, value);
    if (ec == std::errc::result_out_of_range) {
        const std::string_view whole(first,
                                     static_cast<size_t>(std::find(first, last, '.') - first));
        const bool large = whole.find_first_not_of('0') != std::string_view::npos;
        value = large ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -value : value;
}

} // namespace

DecimalParts scanDecimal(std::string_view text)
{
    DecimalParts number;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        number.negative = text.front() == '-';
        text.remove_prefix(1);
    }
    number.whole = takeDigits(text);
    if (!text.empty() && text.front() == '.') {
        number.point = true;
        text.remove_prefix(1);
        number.fraction = takeDigits(text);
    }
    number.rest = text;
    return number;
}

float narrowToFloat(double value)
{
    if (!(std::fabs(value) <= static_cast<double>(std::numeric_limits<float>::max())))
        throw ConversionError("value beyond the single-precision range");
    return static_cast<float>(value);
}

float textToFloat(std::string_view text)
{
    return narrowToFloat(strictTextToDouble(text));
}

std::int32_t textToWhole(std::string_view text)
{
    const double rounded = roundHalfEven(strictTextToDouble(text));
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0))
        throw ConversionError("whole number out of range: \"" + std::string(text) + "\"");
    return static_cast<std::int32_t>(rounded);
}

double leadingNumber(std::string_view text)
{
    std::string plain;
    bool started = false;
    bool digits = false;
    bool point = false;
    for (const char c : text) {
        if (isScanBlank(c))
            continue;
        if (!started && (c == '+' || c == '-')) {
            if (c == '-')
                plain += c;
        } else if (isDigit(c)) {
            plain += c;
            digits = true;
        } else if (c == '.' && !point) {
            plain += c;
            point = true;
        } else {
            break;
        }
        started = true;
    }
    return digits ? scannedToDouble(plain) : 0.0;
}

bool roundsUpHalfEven(bool wholeIsOdd, Fraction fraction)
{
    return fraction == Fraction::AboveHalf || (fraction == Fraction::Half && wholeIsOdd);
}

double roundHalfEven(double value)
{
    if (!std::isfinite(value))
        return value;
    const double whole = std::trunc(value);
    // Exact: a double less its whole part has no rounding error.
    const double rest = std::fabs(value - whole);
    const Fraction fraction = rest < 0.5    ? Fraction::BelowHalf
                              : rest == 0.5 ? Fraction::Half
                                            : Fraction::AboveHalf;
    if (!roundsUpHalfEven(std::fmod(whole, 2.0) != 0.0, fraction))
        return whole;
    return value < 0 ? whole - 1.0 : whole + 1.0;
}

std::string zeroPadded(std::int64_t value, int minDigits)
{
    std::uint64_t magnitude =
        value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    std::string digits;
    do {
        digits.insert(digits.begin(), static_cast<char>('0' + magnitude % 10));
        magnitude /= 10;
    } while (magnitude != 0);
    if (static_cast<int>(digits.size()) < minDigits)
        digits.insert(0, static_cast<size_t>(minDigits) - digits.size(), '0');
    return value < 0 ? "-" + digits : digits;
}

} // namespace tarvek::geo
