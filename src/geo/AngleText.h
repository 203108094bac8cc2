#pragma once
// Latitude and longitude texts and signed decimal degrees.
//
// Two notations, both with "." as the only separator: the hundredths notation
// D.MM.CC (degrees, minutes, hundredths of a minute) and the seconds notation
// D.MM.SS. A text may begin with one sign character: "+", "-" or a hemisphere
// letter in either case ("S", "W", "-" mean south/west, i.e. negative). Which
// sign characters an operation recognises differs by operation, as noted.
//
// The degree, minute and second parts are read as 32-bit floats and only then
// combined in double precision, so 11.52.34 parses to 11.8723333358..., the
// value the tracker's position texts have always been computed from.
//
// Two packed 7-digit forms link parsing and formatting: DDDMMSS (packed
// seconds) and DDDMMCC (packed hundredths), optionally with a sign in front.
//
// The parsers expect texts that passed the matching validator (AngleValidation.h);
// on other texts they throw ConversionError.
#include <string>

namespace tarvek::geo
{

// Seconds-notation text to DDDMMSS. A leading "E", "W", "S", "N", "-" or "+"
// (any case) is put back upper-cased in front; the separators are not checked.
std::string packDegreesMinutesSeconds(std::string text);

// DDDMMSS (sign rule of the parsers) to signed decimal degrees.
double packedSecToDegrees(std::string packed);

// Seconds-notation text to signed decimal degrees.
double parseDegreesMinutesSeconds(std::string text);

// Hundredths-notation text to signed decimal degrees. Throws ConversionError
// for a text without "." and for an empty or non-numeric degree part.
double parseDegreesMinutesHundredths(std::string text);

// Signed decimal degrees to DDDMMCC ("-" in front for negative values), the
// hundredths rounded to the nearest (ties to even) and carried into minutes
// and degrees. Throws ConversionError for values that are not finite or whose
// degrees do not fit 32 bits.
std::string degreesToPackedCent(double value);

// DDDMMCC to D.MM.CC, a leading sign character ("E", "W", "S", "N", "-", "+")
// put back in front; at most two leading zeros of the degrees are dropped.
std::string unpackCent(std::string packed);

// Signed decimal degrees to a hundredths-notation text, "-" for negatives.
std::string formatDegreesMinutesHundredths(double value);

} // namespace tarvek::geo
