#pragma once
// The GPSless position text as the calculator's write command composes it
// from the two field texts; shared by the calculator window and tarvek-cli.
//
// This header and AngleValidation.h are what the programs use of geo, and
// nothing in them throws: a text that does not convert, or a value that has
// no encoding, comes back as the error of a PositionResult. The conversions
// they are built from (AngleText.h, NumberText.h, AprsPosition.h) raise
// ConversionError, which stays inside the library.
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

// A position text, or why there is none.
struct PositionResult {
    std::string text;
    std::string reason; // empty when `text` holds the position

    bool ok() const { return reason.empty(); }
};

// The APRS symbol tables' characters: "/" primary, "\" alternate.
inline constexpr char kPrimaryTableId = '/';
inline constexpr char kAlternateTableId = '\\';
char symbolTableId(bool alternate);

enum class Axis { Latitude, Longitude };

// Whether one coordinate text passes its axis's validator in the notation.
bool angleTextValid(Axis axis, const std::string &text, AngleNotation notation) noexcept;

// Whether both texts pass the validators of the notation (both always run).
bool positionTextsValid(const std::string &latText, const std::string &lonText,
                        AngleNotation notation) noexcept;

// Parses longitude and latitude in the notation; the normal form carries the
// field texts themselves in the hundredths notation and the parsed values
// rewritten in hundredths in the seconds notation; the compressed form is
// built from the parsed values. Does not validate: a text that fails the
// validators may give an error instead of a text.
PositionResult composePositionText(const std::string &latText, const std::string &lonText,
                                   AngleNotation notation, PositionForm form, char tableId,
                                   const std::string &symbolCode);

} // namespace tarvek::geo
