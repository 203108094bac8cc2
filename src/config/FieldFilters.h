#pragma once
// The keystroke rules of the main window's and the calculator's text fields,
// and the two things shown from field texts (remaining-character counters,
// GPSless Mode).
// Each filter receives the typed character as its Windows-1252 code by
// reference, as the field's typed-character hook delivers it: it may replace
// the code or set it to 0 to drop the character. A character that the code
// page cannot hold arrives as a code above 255.
#include <QString>

namespace tarvek::config
{

constexpr int kBackspaceCode = 8;

// Own and destination callsign: Backspace, "-", digits and letters; small
// letters become capitals; everything else is dropped.
void filterCallsignKey(int &code);

// Digipeater path: the callsign rule plus "," between the addresses.
void filterPathKey(int &code);

// Message text: drops "{", "|", "~" and every code from 126 up.
void filterMessageKey(int &code);

// Status text. In GPSless Mode (the acquisition timeout reads 0) the field
// holds an APRS position, so "{", "'" and "`" are allowed; otherwise they
// are dropped. "|", "~" and every code above 126 are always dropped.
void filterStatusTextKey(int &code, const QString &acquisitionTimeoutText);

// Calculator coordinates (latitude, longitude): Backspace, ".", the digits,
// and "%" and "'", which are typed but then make the text invalid; every
// other code is dropped. Signs and hemisphere letters come only from files.
void filterCoordinateKey(int &code);

// GPSless Mode holds exactly when the acquisition timeout text reads 0 by
// the numeric reading rule ("000", "0__", "___", "" and "0" all do).
bool isGpslessMode(const QString &acquisitionTimeoutText);

// "[n]", n being how many more characters the field takes.
QString counterText(int maxLength, int textLength);

} // namespace tarvek::config
