#include "Output.h"

#include <QByteArray>

#include <cstdio>

namespace tarvek::cli
{
namespace
{

void printTo(const QString &text, std::FILE *stream)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
    std::fflush(stream);
}

} // namespace

void printOut(const QString &text)
{
    printTo(text, stdout);
}

void printErr(const QString &text)
{
    printTo(text, stderr);
}

} // namespace tarvek::cli
