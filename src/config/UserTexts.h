#pragma once
// The fixed texts of the program's message boxes and progress dialog, which
// the window shows and tarvek-cli repeats so that a script sees what the
// window would have said. Window titles, captions and the file dialogs'
// filters belong to their windows.
#include <QLatin1StringView>

namespace tarvek::config::texts
{

using namespace Qt::StringLiterals;

// SEND refused: the settings do not make a block.
constexpr QLatin1StringView kRejected = "Parametri incompleti o non corretti"_L1;
constexpr QLatin1StringView kRejectedTitle = "Invio non eseguito - Tarvek"_L1;
// A serial error's box; its text is the error's description.
constexpr QLatin1StringView kSerialErrorTitle = "TARVEK"_L1;
// Save's and Load's failures, and Help without its manual.
constexpr QLatin1StringView kFileErrorTitle = "Tarvek"_L1;
constexpr QLatin1StringView kMissingHelpFile = "Manca il file di help "_L1; // + the file name
// The upload's dialog: while sending (+ the port text and "..."), and after.
constexpr QLatin1StringView kSending = "\r\nSending data on COM"_L1;
constexpr QLatin1StringView kSent =
    "Data sent !\r\n Be shure that the word '*OK*' appears on LCD"_L1;

} // namespace tarvek::config::texts
