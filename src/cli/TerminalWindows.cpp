// The terminal on Windows: a handle is a console when GetConsoleMode accepts
// it. A process has one console, so two console handles show the same lines.
#include "Terminal.h"

#include <cstdio>
#include <fcntl.h>
#include <initializer_list>
#include <io.h>
#include <windows.h>

namespace tarvek::cli
{
namespace
{

bool isConsole(DWORD which)
{
    DWORD mode = 0;
    const HANDLE handle = GetStdHandle(which);
    return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode);
}

} // namespace

bool progressOnStandardError()
{
    return isConsole(STD_ERROR_HANDLE) && !isConsole(STD_OUTPUT_HANDLE);
}

void useBinaryStandardStreams()
{
    for (std::FILE *stream : {stdin, stdout, stderr})
        _setmode(_fileno(stream), _O_BINARY);
}

} // namespace tarvek::cli
