#pragma once
// Cutting coordinate texts by character position, positions counted from 1.
// Cuts past the end of a text are clipped as the original string functions
// clipped them; removing more characters than a text has is an argument error.
#include "ConversionError.h"

#include <optional>
#include <string>
#include <string_view>

namespace tarvek::geo
{

// The last n characters, or the whole text when it is shorter.
inline std::string lastChars(const std::string &text, size_t n)
{
    return n >= text.size() ? text : text.substr(text.size() - n);
}

// The n characters from position start (counted from 1) on, fewer (or none)
// near the end.
inline std::string charsAt(const std::string &text, size_t start, size_t n)
{
    return start > text.size() ? std::string() : text.substr(start - 1, n);
}

// The text without its last n characters.
inline std::string dropLast(const std::string &text, size_t n)
{
    if (n > text.size())
        throw ConversionError("cannot remove " + std::to_string(n) + " characters from \"" + text +
                              "\"");
    return text.substr(0, text.size() - n);
}

inline char upperAscii(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// Removes the first character when its upper-case form is one of signs and
// returns that form; leaves the text alone and returns nothing otherwise.
inline std::optional<char> takeSignChar(std::string &text, std::string_view signs)
{
    if (text.empty())
        return std::nullopt;
    const char first = upperAscii(text.front());
    if (signs.find(first) == std::string_view::npos)
        return std::nullopt;
    text.erase(0, 1);
    return first;
}

// The signs a coordinate may start with: its hemisphere letters, or "+" and
// "-". South, west and "-" are negative.
struct AxisSigns {
    char positive;
    char negative;
    std::string_view all;
};
inline constexpr AxisSigns kLatitudeSigns{'N', 'S', "NS+-"};
inline constexpr AxisSigns kLongitudeSigns{'E', 'W', "EW+-"};
inline constexpr std::string_view kEitherAxisSigns = "NSEW+-";

inline bool isNegativeSign(char sign)
{
    return sign == kLatitudeSigns.negative || sign == kLongitudeSigns.negative || sign == '-';
}

// Sign rule of the parsers: a sign of either axis is removed. Returns true
// for a negative sign.
inline bool takeParserSign(std::string &text)
{
    const std::optional<char> sign = takeSignChar(text, kEitherAxisSigns);
    return sign && isNegativeSign(*sign);
}

} // namespace tarvek::geo
