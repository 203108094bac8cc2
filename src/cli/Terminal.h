#pragma once
// What tarvek-cli asks of the terminal and the standard streams it runs
// with. TerminalPosix.cpp and TerminalWindows.cpp answer it for their systems.
#include <QString>

namespace tarvek::cli
{

// Whether standard error is a terminal on which standard output does not
// already show the progress as it happens (it is redirected, or another
// terminal).
bool progressOnStandardError();

// Makes the standard streams carry bytes as they are: a capture read from
// standard input, and output that is the same on every system (Windows
// would otherwise turn \n into \r\n and stop reading at a 0x1A byte).
void useBinaryStandardStreams();

enum class StandardStream { Output, Error };

// Writes `text` as Unicode where the stream is a console that would
// otherwise draw the UTF-8 bytes in its own code page (Windows); false when
// the stream is no such console, and the caller writes the bytes.
bool writeToConsole(const QString &text, StandardStream stream);

} // namespace tarvek::cli
