#pragma once
// Callsign normalisation, shared by the own callsign, the digipeaters and the
// message destination: six callsign characters and one SSID character.
#include <QString>
#include <QStringList>
#include <optional>

namespace tarvek::config
{

// In the block a callsign takes six characters, padded with spaces, and its
// SSID one character: "0" plus the SSID, "0" to "?" for 0 to 15.
inline constexpr int kCallsignLength = 6;
inline constexpr int kSsidBase = '0';
inline constexpr int kLargestSsid = 15; // four bits of the AX.25 address

struct NormalizedCallsign {
    QString callsign;         // exactly six characters, padded with spaces
    int ssidCode = kSsidBase; // kSsidBase + SSID, 48 to 63
    QString text;             // the text written back into the field
};

// The largest SSID number accepted: a 16-bit whole number.
constexpr int kMaxSsidNumber = 32767;

// A callsign text cut at the first "-" from the second character on, spaces
// around the whole text left out (other blanks belong to the text).
struct CallsignParts {
    QString callsign;
    std::optional<QString> ssid; // what follows the "-", if there is one
};
CallsignParts splitCallsign(const QString &text);

// The callsign and SSID of splitCallsign; the SSID is read by the numeric
// reading rule and rounded half to even. SSIDs of 16 and above become 0.
// A negative SSID, or one above kMaxSsidNumber, is refused (nullopt): its
// character would not be an SSID, or a 0 would end the field early.
std::optional<NormalizedCallsign> normalizeCallsign(const QString &text);

// The digipeaters of a path text as the build packs them: none for an empty
// text; else the text is cut at its first "," from the second character on
// into the first digipeater and the second, which is everything after it (a
// further "," included); without such a "," the whole text is the only one.
QStringList pathDigipeaters(const QString &path);

} // namespace tarvek::config
