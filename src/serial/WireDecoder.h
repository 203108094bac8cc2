#pragma once
// Reading an upload back, as the tracker on the far end of the line sees it:
// checks the preambles and checksums of a capture and takes the configuration
// block out of its frames (BlockDecoder reads the settings from the block).
#include "ConfigBlock.h"

#include <QByteArray>
#include <QString>

namespace tarvek::serial
{

struct ParsedCapture {
    bool ok = false;
    config::ConfigBlock block{};
    QString error; // why the bytes are not an upload or a block
};

// Takes either the 120 bytes of an upload as captured on the line (both
// preambles and both checksums are checked) or a bare 114-byte block.
ParsedCapture parseCapture(const QByteArray &bytes);

} // namespace tarvek::serial
