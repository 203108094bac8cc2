#include "Output.h"

#include "Terminal.h"

#include <QByteArray>

#include <cstdio>

namespace tarvek::cli
{
namespace
{

// A console gets the text itself; a file, a pipe or a terminal the UTF-8
// bytes.
void printTo(const QString &text, std::FILE *stream, StandardStream which)
{
    if (writeToConsole(text, which))
        return;
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
    std::fflush(stream);
}

} // namespace

void printOut(const QString &text)
{
    printTo(text, stdout, StandardStream::Output);
}

void printRows(const QStringList &rows, bool json)
{
    printOut(json ? u'[' + rows.join(QStringLiteral(",\n ")) + QStringLiteral("]\n")
                  : rows.join(u'\n') + u'\n');
}

void printErr(const QString &text)
{
    printTo(text, stderr, StandardStream::Error);
}

} // namespace tarvek::cli
