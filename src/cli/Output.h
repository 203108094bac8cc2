#pragma once
// What tarvek-cli prints: UTF-8 text to stdout or stderr, flushed at once and
// without any locale translation.
#include <QString>

namespace tarvek::cli
{

void PrintOut(const QString &text);
void PrintErr(const QString &text);

} // namespace tarvek::cli
