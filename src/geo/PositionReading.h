#pragma once
// Reads a GPSless position text back: the normal (20-character) or the
// compressed (14-character) form at the start of a status text, as the
// calculator writes them (AprsPosition.h). Nothing here throws: a text that
// does not begin with a position reads as none.
#include "PositionText.h"

#include <optional>
#include <string_view>

namespace tarvek::geo
{

struct ReadPosition {
    PositionForm form = PositionForm::Normal;
    char tableId = '/'; // "/" or "\"
    char symbolCode = '>';
    double latitude = 0;  // signed decimal degrees, north positive
    double longitude = 0; // east positive
};

// The position report that `text` begins with, or none. Both forms start
// with the data type identifier of a position without timestamp, "=" as the
// calculator writes it or "!" (APRS Protocol Reference 1.0.1, chapter 5); the
// table is "/" or "\". Normal form: DDMM.hhN, table, DDDMM.hhE, symbol code,
// with minutes below 60 and at most 90 and 180 degrees (chapter 8).
// Compressed form: table, four base-91 characters of latitude and four of
// longitude within +-90 and +-180 degrees, symbol code and three more
// printable characters (chapter 9).
std::optional<ReadPosition> readPositionText(std::string_view text);

} // namespace tarvek::geo
