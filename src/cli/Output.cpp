#include "Output.h"

#include <QByteArray>

#include <cstdio>

namespace tarvek::cli
{
namespace
{

void Print(const QString &text, std::FILE *stream)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
    std::fflush(stream);
}

} // namespace

void PrintOut(const QString &text)
{
    Print(text, stdout);
}

void PrintErr(const QString &text)
{
    Print(text, stderr);
}

} // namespace tarvek::cli
