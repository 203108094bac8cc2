#include "Utf8Locale.h"

namespace tarvek::config
{

// Qt reads and writes file names and text through Windows' wide-character
// API, which no locale setting changes: there is nothing to choose.
void startOnUtf8Locale()
{
}

} // namespace tarvek::config
