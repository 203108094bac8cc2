#pragma once
// What tarvek-cli prints: UTF-8 text to stdout or stderr, flushed at once and
// without any locale translation; to a Windows console, the text as Unicode.
#include <QString>
#include <QStringList>

namespace tarvek::cli
{

void printOut(const QString &text);
// Prints `rows` one a line, or with `json` as one JSON array whose elements
// they are (each row then a JSON value).
void printRows(const QStringList &rows, bool json);
void printErr(const QString &text);

} // namespace tarvek::cli
