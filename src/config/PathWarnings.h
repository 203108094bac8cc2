#pragma once
// What digipeaters will do with the path the tracker sends. Since the New-N
// paradigm (Bob Bruninga WB4APR, 2004-2005) digipeaters answer WIDEn-N and
// the home fill-in alias WIDE1-1, and no longer RELAY, WIDE or TRACE; most
// areas want a packet to travel two or three hops at most.
#include <QStringList>

namespace tarvek::config
{

// The reasons the path text gives: each digipeater as an AX.25 address
// (AddressWarnings.h), then the New-N rules for each and for the whole path.
// An empty path gives none: balloons and some fixed stations use none.
QStringList pathWarnings(const QString &path);

} // namespace tarvek::config
