#include "PositionReading.h"

#include "PositionText.h"

#include <cstdint>

namespace tarvek::geo
{
namespace
{

constexpr size_t kNormalLength = 20;
constexpr size_t kCompressedLength = 14;
// The scale factors of the compressed form: base-91 units per degree.
constexpr double kLatitudeUnits = 380926;
constexpr double kLongitudeUnits = 190463;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isTable(char c)
{
    return c == kPrimaryTableId || c == kAlternateTableId;
}

bool isSymbolCode(char c)
{
    return c >= '!' && c <= '~';
}

// The whole number of `count` digits from `at` on, or -1.
int digitsAt(std::string_view text, size_t at, size_t count)
{
    int value = 0;
    for (size_t i = at; i < at + count; ++i) {
        if (!isDigit(text[i]))
            return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

// One axis of the normal form: degrees (`degreeDigits`), minutes, ".",
// hundredths and the hemisphere letter; signed degrees, or none.
std::optional<double> normalAxis(std::string_view field, size_t degreeDigits, int maxDegrees,
                                 char positive, char negative)
{
    const int degrees = digitsAt(field, 0, degreeDigits);
    const int minutes = digitsAt(field, degreeDigits, 2);
    const int hundredths = digitsAt(field, degreeDigits + 3, 2);
    const char hemisphere = field[degreeDigits + 5];
    if (degrees < 0 || minutes < 0 || hundredths < 0 || field[degreeDigits + 2] != '.' ||
        (hemisphere != positive && hemisphere != negative) || minutes >= 60)
        return std::nullopt;
    const double value = degrees + (minutes + hundredths / 100.0) / 60.0;
    if (value > maxDegrees)
        return std::nullopt;
    return hemisphere == negative ? -value : value;
}

std::optional<ReadPosition> readNormal(std::string_view text)
{
    if (text.size() < kNormalLength || !isTable(text[9]) || !isSymbolCode(text[19]))
        return std::nullopt;
    const auto latitude = normalAxis(text.substr(1, 8), 2, 90, 'N', 'S');
    const auto longitude = normalAxis(text.substr(10, 9), 3, 180, 'E', 'W');
    if (!latitude || !longitude)
        return std::nullopt;
    return ReadPosition{PositionForm::Normal, text[9], text[19], *latitude, *longitude};
}

// Four base-91 digits, "!" (0) to "{" (90), most significant first; -1 for
// any other character.
std::int64_t base91At(std::string_view text, size_t at)
{
    std::int64_t value = 0;
    for (size_t i = at; i < at + 4; ++i) {
        if (text[i] < '!' || text[i] > '{')
            return -1;
        value = value * 91 + (text[i] - '!');
    }
    return value;
}

std::optional<ReadPosition> readCompressed(std::string_view text)
{
    if (text.size() < kCompressedLength || !isTable(text[1]) || !isSymbolCode(text[10]))
        return std::nullopt;
    for (size_t i = 11; i < kCompressedLength; ++i) {
        if (text[i] < ' ' || text[i] > '~')
            return std::nullopt;
    }
    const std::int64_t y = base91At(text, 2);
    const std::int64_t x = base91At(text, 6);
    if (y < 0 || x < 0 || y > 180 * kLatitudeUnits || x > 360 * kLongitudeUnits)
        return std::nullopt;
    return ReadPosition{PositionForm::Compressed, text[1], text[10],
                        90 - static_cast<double>(y) / kLatitudeUnits,
                        static_cast<double>(x) / kLongitudeUnits - 180};
}

} // namespace

std::optional<ReadPosition> readPositionText(std::string_view text)
{
    if (text.empty() || (text.front() != '=' && text.front() != '!'))
        return std::nullopt;
    // The second character tells the forms apart: a digit of the latitude,
    // or the table.
    if (text.size() > 1 && isTable(text[1]))
        return readCompressed(text);
    return readNormal(text);
}

} // namespace tarvek::geo
