#include "AddressWarnings.h"

#include "Callsign.h"
#include "NumericReading.h"

#include <algorithm>

namespace tarvek::config
{
namespace
{

QString roleName(AddressRole role)
{
    switch (role) {
    case AddressRole::OwnCallsign:
        return QStringLiteral("the callsign");
    case AddressRole::Digipeater:
        return QStringLiteral("the digipeater");
    case AddressRole::MessageTo:
        break;
    }
    return QStringLiteral("the destination");
}

bool isAddressCharacter(QChar ch)
{
    return (ch >= u'A' && ch <= u'Z') || (ch >= u'0' && ch <= u'9');
}

// Placeholders, whatever the SSID: APRS-IS servers drop packets from NOCALL
// and N0CALL (aprs-is.net, the servers' packet rules), and a transmission
// that names no station is unidentified operation.
QString placeholderWarning(const QString &callsign)
{
    const QString upper = callsign.toUpper();
    if (upper != u"NOCALL" && upper != u"N0CALL")
        return {};
    return QStringLiteral("\"%1\" is a placeholder, not a callsign: the tracker would transmit "
                          "without identifying the station and APRS-IS drops its packets; type "
                          "your own callsign")
        .arg(callsign);
}

// AX.25 2.2, section 3.12.2: an address is made of upper-case letters and
// digits only.
QString characterWarning(const QString &callsign, AddressRole role)
{
    QString foreign;
    for (QChar ch : callsign) {
        if (!isAddressCharacter(ch) && !foreign.contains(ch))
            foreign += ch;
    }
    if (foreign.isEmpty())
        return {};
    return QStringLiteral("%1 \"%2\" holds \"%3\", but an AX.25 address takes upper-case letters "
                          "and digits only: digipeaters and receivers may drop what the tracker "
                          "sends; keep to letters and digits")
        .arg(roleName(role), callsign, foreign);
}

// AX.25 2.2, section 3.12.2: six characters for the callsign.
QString lengthWarning(const QString &callsign, const NormalizedCallsign &sent, AddressRole role)
{
    if (callsign.size() <= kCallsignLength)
        return {};
    return QStringLiteral("%1 \"%2\" has %3 characters, but an AX.25 address holds %4: SEND writes "
                          "\"%5\" and the tracker transmits that; shorten it to %4")
        .arg(roleName(role), callsign)
        .arg(callsign.size())
        .arg(kCallsignLength)
        .arg(sent.text);
}

// AX.25 2.2, section 3.12.2: the SSID is four bits, 0 to 15. SEND reads any
// text after the "-" as a number and sends 0 for 16 and above.
QString ssidWarning(const CallsignParts &parts, const NormalizedCallsign &sent)
{
    if (!parts.ssid)
        return {};
    const QString &ssid = *parts.ssid;
    const bool digits = !ssid.isEmpty() && std::all_of(ssid.cbegin(), ssid.cend(), [](QChar ch) {
        return ch >= u'0' && ch <= u'9';
    });
    const int sentSsid = sent.ssidCode - kSsidBase;
    if (digits && readNumber(ssid) <= kLargestSsid)
        return {};
    const QString what = digits
                             ? QStringLiteral("is beyond AX.25's 0 to %1").arg(kLargestSsid)
                             : QStringLiteral("is no whole number from 0 to %1").arg(kLargestSsid);
    return QStringLiteral("the SSID \"%1\" %2: the tracker transmits SSID %3 and SEND writes "
                          "\"%4\"; type an SSID from 0 to %5")
        .arg(ssid, what)
        .arg(sentSsid)
        .arg(sent.text)
        .arg(kLargestSsid);
}

} // namespace

QStringList addressWarnings(const QString &text, AddressRole role)
{
    const CallsignParts parts = splitCallsign(text);
    if (parts.callsign.isEmpty()) {
        // An empty own callsign fails SEND; an empty destination is allowed.
        if (role != AddressRole::Digipeater)
            return {};
        // AX.25 2.2, section 3.12: a digipeater address of six spaces names
        // no station.
        return {QStringLiteral("an empty digipeater goes out as six spaces, which no digipeater "
                               "answers; remove the extra \",\"")};
    }
    QStringList reasons;
    if (role == AddressRole::OwnCallsign)
        reasons << placeholderWarning(parts.callsign);
    reasons << characterWarning(parts.callsign, role);
    if (const auto sent = normalizeCallsign(text)) {
        reasons << lengthWarning(parts.callsign, *sent, role);
        reasons << ssidWarning(parts, *sent);
    }
    reasons.removeAll(QString());
    return reasons;
}

} // namespace tarvek::config
