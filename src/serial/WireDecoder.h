#pragma once
// Reading an upload back, as the tracker on the far end of the line sees it:
// checks the preambles and checksums of a capture and turns a configuration
// block into the settings it carries, in the window's terms.
#include "ConfigBlock.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

namespace tarvek
{

struct ParsedCapture {
    bool ok = false;
    ConfigBlock block{};
    QString error; // why the bytes are not an upload or a block
};

// Takes either the 120 bytes of an upload as captured on the line (both
// preambles and both checksums are checked) or a bare 114-byte block.
ParsedCapture ParseCapture(const QByteArray &bytes);

using Setting = QPair<QString, QString>; // control name, value

// Each setting the block carries, named after its control, in control order:
// TX delay in milliseconds, intervals in seconds, callsigns as CALL-SSID,
// texts as sent. In GPSless Mode the acquisition interval reads "GPSless".
QList<Setting> DecodeSettings(const ConfigBlock &block);

} // namespace tarvek
