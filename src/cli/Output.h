#pragma once
// What tarvek-cli prints: UTF-8 text to stdout or stderr, flushed at once and
// without any locale translation; to a Windows console, the text as Unicode.
#include <QString>

namespace tarvek::cli
{

void printOut(const QString &text);
void printErr(const QString &text);

} // namespace tarvek::cli
