#pragma once
// What the tracker will beacon from its status text. In GPSless Mode the
// text is the tracker's position report, which must begin with a position
// the calculator could have written; otherwise it is an APRS status report.
#include "AprsSymbols.h"

#include <QStringList>

namespace tarvek::config
{

// The reasons a GPSless status text gives: no position at its start, a
// position whose table or symbol differs from the symbol settings, or the
// calculator's untouched 0° N 0° E. `symbol` is the symbol field's content.
QStringList gpslessStatusWarnings(const QString &text, AprsTable table, const QString &symbol);

// The reasons a status text gives outside GPSless Mode.
QStringList statusWarnings(const QString &text);

} // namespace tarvek::config
