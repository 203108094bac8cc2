#pragma once
// Builds one line of a .cfg file: the values in order, each in its kind's
// form, separated by single commas, followed by CR LF, as Windows-1252 bytes.
// The line is gathered whole before it is written, so a failure while
// gathering writes nothing of it.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace tarvek::cfgfile
{

class RecordLine
{
public:
    // A text in double quotes, exactly as given; a double quote inside it is
    // written twice so that the reader gives it back as one.
    RecordLine &text(const QString &value);
    // Decimal digits, "-" in front when negative.
    RecordLine &whole(long long value);
    // #TRUE# or #FALSE#.
    RecordLine &truth(bool value);

    QByteArray bytes() const;

private:
    QStringList m_values;
};

} // namespace tarvek::cfgfile
