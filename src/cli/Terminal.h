#pragma once
// What tarvek-cli asks of the terminal it runs in. TerminalPosix.cpp and
// TerminalWindows.cpp answer it for their systems.

namespace tarvek::cli
{

// Whether standard error is a terminal on which standard output does not
// already show the progress as it happens (it is redirected, or another
// terminal).
bool progressOnStandardError();

} // namespace tarvek::cli
