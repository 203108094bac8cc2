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

bool isControl(QChar c)
{
    const char16_t u = c.unicode();
    return (u < 0x20 && u != u'\t') || (u >= 0x7f && u <= 0x9f);
}

// Each line of `text` escaped; the line breaks between them stay.
QString escapeLines(const QString &text)
{
    QStringList lines = text.split(u'\n');
    for (QString &line : lines)
        line = escapeControls(line);
    return lines.join(u'\n');
}

} // namespace

QString escapeControls(QStringView text)
{
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        if (isControl(c))
            escaped += QStringLiteral("\\x%1").arg(uint(c.unicode()), 2, 16, QChar(u'0'));
        else
            escaped += c;
    }
    return escaped;
}

QString settingLine(const QString &name, const QString &value)
{
    return name + u'=' + escapeControls(value) + u'\n';
}

void printOut(const QString &text)
{
    printTo(text, stdout, StandardStream::Output);
}

void printText(const QString &text)
{
    printOut(escapeLines(text));
}

void printRows(const QStringList &rows, bool json)
{
    if (json)
        printOut(u'[' + rows.join(QStringLiteral(",\n ")) + QStringLiteral("]\n"));
    else
        printText(rows.join(u'\n') + u'\n');
}

void printErr(const QString &text)
{
    printTo(escapeLines(text), stderr, StandardStream::Error);
}

} // namespace tarvek::cli
