#pragma once
// The GPSless position text as the calculator's write command composes it
// from the two field texts; shared by the calculator window and tarvek-cli.
#include <string>

namespace tarvek::geo
{

enum class AngleNotation {
    Hundredths, // degrees.minutes.hundredths ("Cent." ticked)
    Seconds,    // degrees.minutes.seconds
};

enum class PositionForm {
    Normal,     // 20 characters
    Compressed, // 14 characters
};

// "\" for the alternate symbol table, "/" for the primary one.
char symbolTableId(bool alternate);

// Whether both texts pass the validators of the notation (both always run).
bool positionTextsValid(const std::string &latText, const std::string &lonText,
                        AngleNotation notation) noexcept;

// Parses longitude and latitude in the notation; the normal form carries the
// field texts themselves in the hundredths notation and the parsed values
// rewritten in hundredths in the seconds notation; the compressed form is
// built from the parsed values. Does not validate: texts that fail the
// validators may throw ConversionError.
std::string composePositionText(const std::string &latText, const std::string &lonText,
                                AngleNotation notation, PositionForm form, char tableId,
                                const std::string &symbolCode);

} // namespace tarvek::geo
