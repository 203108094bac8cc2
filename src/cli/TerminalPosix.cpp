// The terminal on Linux and other POSIX systems: isatty, and fstat to tell
// whether standard output and standard error are the same terminal.
#include "Terminal.h"

#include <sys/stat.h>
#include <unistd.h>

namespace tarvek::cli
{

bool progressOnStandardError()
{
    if (!isatty(STDERR_FILENO))
        return false;
    if (!isatty(STDOUT_FILENO))
        return true;
    using FileStatus = struct stat;
    FileStatus out{};
    FileStatus err{};
    return fstat(STDOUT_FILENO, &out) != 0 || fstat(STDERR_FILENO, &err) != 0 ||
           out.st_rdev != err.st_rdev;
}

void useBinaryStandardStreams()
{
    // POSIX streams have no text mode.
}

bool writeToConsole(const QString & /*text*/, StandardStream /*stream*/)
{
    // A terminal here reads the bytes in the locale's encoding, UTF-8.
    return false;
}

} // namespace tarvek::cli
