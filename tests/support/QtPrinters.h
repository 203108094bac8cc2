#pragma once
// Readable GoogleTest output for Qt strings.
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <ostream>

inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList &list, std::ostream *os)
{
    *os << '[';
    for (const QString &text : list) {
        PrintTo(text, os);
        *os << ", ";
    }
    *os << ']';
}

inline void PrintTo(const QByteArray &bytes, std::ostream *os)
{
    *os << bytes.toHex().toStdString();
}
