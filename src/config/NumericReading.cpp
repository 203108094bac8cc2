#include "NumericReading.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace tarvek::config
{
namespace
{

bool isBlank(QChar ch)
{
    return ch == u' ' || ch == u'\t' || ch == u'\r' || ch == u'\n';
}

bool isDigit(QChar ch)
{
    return ch >= u'0' && ch <= u'9';
}

} // namespace

double readNumber(const QString &text)
{
    std::string number;
    bool sign = false;
    bool point = false;
    for (QChar ch : text) {
        if (isBlank(ch))
            continue;
        if (number.empty() && !sign && (ch == u'-' || ch == u'+')) {
            sign = true;
            if (ch == u'-')
                number.push_back('-');
            continue;
        }
        if (isDigit(ch)) {
            number.push_back(static_cast<char>(ch.unicode()));
            continue;
        }
        if (ch == u'.' && !point) {
            point = true;
            number.push_back('.');
            continue;
        }
        break;
    }
    const bool negative = !number.empty() && number.front() == '-';
    std::string digits = negative ? number.substr(1) : number;
    if (digits.find_first_of("0123456789") == std::string::npos)
        return 0.0;
    if (digits.front() == '.')
        digits.insert(digits.begin(), '0');
    if (digits.back() == '.')
        digits.pop_back();
    double value = 0.0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Too large, or too small to tell from zero.
        const auto whole = digits.substr(0, digits.find('.'));
        const bool large = whole.find_first_not_of('0') != std::string::npos;
        value = large ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -value : value;
}

double roundHalfEven(double value)
{
    // nearbyint follows the current rounding mode; the default mode rounds
    // to nearest with ties to even, and nothing in this program changes it.
    return std::nearbyint(value);
}

QString formatWithDigits(long long value, int digits)
{
    const bool negative = value < 0;
    QString text = QString::number(negative ? -value : value);
    if (text.size() < digits)
        text.prepend(QString(digits - text.size(), u'0'));
    return negative ? QStringLiteral("-") + text : text;
}

} // namespace tarvek::config
