#include "RecordWriter.h"

#include "Cp1252.h"

using namespace tarvek::config;

namespace tarvek::cfgfile
{

RecordLine &RecordLine::text(const QString &value)
{
    QString quoted = value;
    quoted.replace(u'"', QStringLiteral("\"\""));
    m_values << u'"' + quoted + u'"';
    return *this;
}

RecordLine &RecordLine::whole(long long value)
{
    m_values << QString::number(value);
    return *this;
}

RecordLine &RecordLine::truth(bool value)
{
    m_values << (value ? QStringLiteral("#TRUE#") : QStringLiteral("#FALSE#"));
    return *this;
}

QByteArray RecordLine::bytes() const
{
    return encodeCp1252(m_values.join(u',')) + "\r\n";
}

} // namespace tarvek::cfgfile
