#pragma once
// Reading a configuration block back, as the tracker sees it: the settings it
// carries, in the window's terms. The reverse of BlockBuilder.
#include "ConfigBlock.h"

#include <QList>
#include <QPair>
#include <QString>

namespace tarvek::config
{

using Setting = QPair<QString, QString>; // control name, value

// Each setting the block carries, named after its control, in control order:
// TX delay in milliseconds, intervals in seconds, callsigns as CALL-SSID,
// texts as sent. In GPSless Mode the acquisition interval reads "GPSless".
QList<Setting> decodeSettings(const ConfigBlock &block);

} // namespace tarvek::config
