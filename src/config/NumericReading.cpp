#include "NumericReading.h"

namespace tarvek::config
{

double readNumber(const QString &text)
{
    // Any character beyond ASCII ends the number, in UTF-8 as in the text.
    return geo::leadingNumber(text.toStdString());
}

QString formatWithDigits(long long value, int digits)
{
    return QString::fromStdString(geo::zeroPadded(value, digits));
}

} // namespace tarvek::config
