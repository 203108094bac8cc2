// The terminal on Windows: a handle is a console when GetConsoleMode accepts
// it. A process has one console, so two console handles show the same lines.
#include "Terminal.h"

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <initializer_list>
#include <io.h>
#include <windows.h>

namespace tarvek::cli
{
namespace
{

bool isConsole(HANDLE handle)
{
    DWORD mode = 0;
    return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode);
}

bool isConsole(DWORD which)
{
    return isConsole(GetStdHandle(which));
}

// What one WriteConsoleW call takes: older consoles refuse much longer writes.
constexpr qsizetype kConsoleChunk = 8192;

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

// A console draws UTF-8 bytes in its output code page (437 or 850 in most
// of Europe), so accented names would come out garbled; UTF-16 text shows
// as it is. A chunk never ends between the two halves of a surrogate pair.
bool writeToConsole(const QString &text, StandardStream stream)
{
    const HANDLE handle =
        GetStdHandle(stream == StandardStream::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
    if (!isConsole(handle))
        return false;
    const auto *chars = reinterpret_cast<const wchar_t *>(text.utf16());
    for (qsizetype done = 0; done < text.size();) {
        qsizetype count = std::min(kConsoleChunk, text.size() - done);
        if (done + count < text.size() && text.at(done + count - 1).isHighSurrogate())
            --count;
        DWORD written = 0;
        if (!WriteConsoleW(handle, chars + done, static_cast<DWORD>(count), &written, nullptr) ||
            written == 0)
            return true; // the console is gone: nothing else could show the text
        done += written;
    }
    return true;
}

} // namespace tarvek::cli
