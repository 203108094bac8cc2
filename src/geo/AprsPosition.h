#pragma once
// The two APRS position report forms that the tracker beacons in GPSless
// Mode, both without timestamp and starting with "=" (messaging capable):
//   normal, 20 characters:  "=" DDMM.hhN table DDDMM.hhE code
//   compressed, 14 characters: "=" table YYYY XXXX code "  >"
// (YYYY, XXXX: base-91 latitude and longitude; two spaces for "no course,
// speed, range or altitude"; ">" the compression type byte.)
#include <string>

namespace tarvek::geo
{

// The 8-character latitude field of the normal form from a hundredths-notation
// text: "-" or "S" gives "S", "+", "N" or no sign gives "N"; the degrees are
// rewritten with at least two digits and the rest after the first "." copied.
// Throws ConversionError when the degree part is not a number.
std::string aprsLatText(std::string text);

// The 9-character longitude field: "-" or "W" gives "W", otherwise "E";
// degrees with at least three digits.
std::string aprsLonText(std::string text);

// The 14-character compressed form for signed decimal degrees. The scaled
// values are taken to the nearest integer, ties to even (the published worked
// example truncates; this keeps what the tracker has always been sent).
// Throws ConversionError when a coordinate lies so far outside +-90 / +-180
// that it has no four-digit base-91 encoding.
std::string compressedPosition(double lat, double lon, char tableId, const std::string &symbolCode);

} // namespace tarvek::geo
