#include "DecimalNumber.h"

#include "NumberText.h"

namespace tarvek::cfgfile
{
namespace
{

QStringView trimSpaces(QStringView text)
{
    while (!text.isEmpty() && text.front() == u' ')
        text = text.mid(1);
    while (!text.isEmpty() && text.back() == u' ')
        text.chop(1);
    return text;
}

geo::Fraction fractionOf(const DecimalNumber &number)
{
    if (number.fraction.isEmpty() || number.fraction.front() < u'5')
        return geo::Fraction::BelowHalf;
    // Trailing zeros are stripped, so a "5" with more digits is above a half.
    if (number.fraction == u"5")
        return geo::Fraction::Half;
    return geo::Fraction::AboveHalf;
}

} // namespace

std::optional<DecimalNumber> parseDecimal(QStringView text)
{
    // A character beyond Latin-1 becomes "?", which no number holds.
    const QByteArray latin1 = trimSpaces(text).toLatin1();
    const geo::DecimalParts parts =
        geo::scanDecimal(std::string_view(latin1.constData(), size_t(latin1.size())));
    if (!parts.rest.empty() || !parts.hasDigits())
        return std::nullopt;
    std::string_view whole = parts.whole;
    std::string_view fraction = parts.fraction;
    while (!whole.empty() && whole.front() == '0')
        whole.remove_prefix(1);
    while (!fraction.empty() && fraction.back() == '0')
        fraction.remove_suffix(1);
    DecimalNumber number;
    number.negative = parts.negative;
    number.whole = QString::fromLatin1(whole.data(), qsizetype(whole.size()));
    number.fraction = QString::fromLatin1(fraction.data(), qsizetype(fraction.size()));
    if (number.isZero())
        number.negative = false;
    return number;
}

QString decimalText(const DecimalNumber &number)
{
    QString text = number.negative ? QStringLiteral("-") : QString();
    text += number.whole.isEmpty() ? QStringLiteral("0") : number.whole;
    if (!number.fraction.isEmpty())
        text += u'.' + number.fraction;
    return text;
}

std::optional<long long> roundDecimal(const DecimalNumber &number, long long min, long long max)
{
    // 18 digits always fit a long long; anything longer is out of any range
    // used here.
    if (number.whole.size() > 18)
        return std::nullopt;
    long long value = 0;
    for (QChar digit : number.whole)
        value = value * 10 + (digit.unicode() - u'0');
    if (geo::roundsUpHalfEven(value % 2 != 0, fractionOf(number)))
        ++value;
    if (number.negative)
        value = -value;
    if (value < min || value > max)
        return std::nullopt;
    return value;
}

} // namespace tarvek::cfgfile
