#include "NumberText.h"

#include "ConversionError.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

namespace tarvek::geo
{

namespace
{

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Copies the digits at text[i...] to out; returns how many there were.
size_t TakeDigits(std::string_view text, size_t &i, std::string &out)
{
    const size_t start = i;
    while (i < text.size() && IsDigit(text[i]))
        out += text[i++];
    return i - start;
}

// Rewrites a strictly formed number in the plain form that std::from_chars
// reads (no "+", "e" exponent marker), or gives nothing for any other text.
std::optional<std::string> StrictNumber(std::string_view text)
{
    text = TrimBlanks(text);
    std::string out;
    size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-')
            out += '-';
        ++i;
    }
    size_t digits = TakeDigits(text, i, out);
    if (i < text.size() && text[i] == '.') {
        out += text[i++];
        digits += TakeDigits(text, i, out);
    }
    if (digits == 0)
        return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        out += 'e';
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            if (text[i] == '-')
                out += '-';
            ++i;
        }
        if (TakeDigits(text, i, out) == 0)
            return std::nullopt;
    }
    if (i != text.size())
        return std::nullopt;
    return out;
}

double PlainToDouble(const std::string &plain)
{
    double value = 0;
    const auto [end, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (ec != std::errc() || end != plain.data() + plain.size())
        throw ConversionError("number out of range: " + plain);
    return value;
}

double StrictTextToDouble(std::string_view text)
{
    const std::optional<std::string> plain = StrictNumber(text);
    if (!plain)
        throw ConversionError("not a number: \"" + std::string(text) + "\"");
    return PlainToDouble(*plain);
}

bool IsScanBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

} // namespace

float NarrowToSingle(double value)
{
    if (!(std::fabs(value) <= static_cast<double>(std::numeric_limits<float>::max())))
        throw ConversionError("value beyond the single-precision range");
    return static_cast<float>(value);
}

float TextToSingle(std::string_view text)
{
    return NarrowToSingle(StrictTextToDouble(text));
}

std::int32_t TextToWhole(std::string_view text)
{
    const double rounded = std::nearbyint(StrictTextToDouble(text));
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0))
        throw ConversionError("whole number out of range: \"" + std::string(text) + "\"");
    return static_cast<std::int32_t>(rounded);
}

double LeadingNumber(std::string_view text)
{
    std::string plain;
    bool started = false;
    bool digits = false;
    bool point = false;
    for (const char c : text) {
        if (IsScanBlank(c))
            continue;
        if (!started && (c == '+' || c == '-')) {
            if (c == '-')
                plain += c;
        } else if (IsDigit(c)) {
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
    return digits ? PlainToDouble(plain) : 0.0;
}

std::string ZeroPadded(std::int64_t value, int minDigits)
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
