#include "DecimalNumber.h"

#include "NumberText.h"

namespace tarvek::cfgfile
{
namespace
{

bool isDigit(QChar ch)
{
    return ch >= u'0' && ch <= u'9';
}

QStringView trimSpaces(QStringView text)
{
    while (!text.isEmpty() && text.front() == u' ')
        text = text.mid(1);
    while (!text.isEmpty() && text.back() == u' ')
        text.chop(1);
    return text;
}

QStringView takeDigits(QStringView &text)
{
    qsizetype n = 0;
    while (n < text.size() && isDigit(text.at(n)))
        ++n;
    const QStringView digits = text.first(n);
    text = text.mid(n);
    return digits;
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
    text = trimSpaces(text);
    DecimalNumber number;
    if (!text.isEmpty() && (text.front() == u'-' || text.front() == u'+')) {
        number.negative = text.front() == u'-';
        text = text.mid(1);
    }
    QStringView whole = takeDigits(text);
    QStringView fraction;
    if (!text.isEmpty() && text.front() == u'.') {
        text = text.mid(1);
        fraction = takeDigits(text);
    }
    if (!text.isEmpty() || (whole.isEmpty() && fraction.isEmpty()))
        return std::nullopt;
    while (!whole.isEmpty() && whole.front() == u'0')
        whole = whole.mid(1);
    while (!fraction.isEmpty() && fraction.back() == u'0')
        fraction.chop(1);
    number.whole = whole.toString();
    number.fraction = fraction.toString();
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
