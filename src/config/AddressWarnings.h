#pragma once
// What goes on the air for one AX.25 address: the own callsign, a digipeater
// or the message destination. An address holds six upper-case letters or
// digits and an SSID from 0 to 15; SEND rewrites what does not fit, without
// a word, so the warnings say what it will write.
#include <QString>
#include <QStringList>

namespace tarvek::config
{

enum class AddressRole {
    OwnCallsign, // also refused as a placeholder
    Digipeater,  // also refused empty
    MessageTo,
};

// The reasons `text` gives, in the role's words ("the callsign", "the
// digipeater", "the destination"); none for a text SEND refuses outright (a
// negative SSID) beyond its characters.
QStringList addressWarnings(const QString &text, AddressRole role);

} // namespace tarvek::config
