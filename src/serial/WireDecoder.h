#pragma once
// Reading an upload back, as the tracker on the far end of the line sees it:
// checks the preambles and checksums of a capture and takes the configuration
// block out of its frames (BlockDecoder reads the settings from the block).
#include "ConfigBlock.h"

#include <QByteArray>
#include <QString>

namespace tarvek::serial
{

// The block taken out of a capture, or why the bytes are not an upload or a
// block.
struct ParsedCapture {
    config::ConfigBlock block{};
    QString reason; // empty when `block` holds the capture's block

    bool ok() const { return reason.isEmpty(); }
};

// Takes either the 120 bytes of an upload as captured on the line (both
// preambles and both checksums are checked) or a bare 114-byte block.
ParsedCapture parseCapture(const QByteArray &bytes);

} // namespace tarvek::serial
