#include "CfgConversions.h"

#include "NumericReading.h"

#include <cmath>
#include <cstdint>
#include <limits>

using namespace tarvek::config;

namespace tarvek::cfgfile
{
namespace
{

Converted<int> failedWith(CfgError error)
{
    return {0, error};
}

Converted<int> roundToInt16(const DecimalNumber &number)
{
    const auto rounded = roundDecimal(number, INT16_MIN, INT16_MAX);
    if (!rounded)
        return failedWith(CfgError::Overflow);
    return {static_cast<int>(*rounded)};
}

} // namespace

QString textForm(const CfgValue &value)
{
    switch (value.kind) {
    case CfgValue::Kind::Empty:
        return {};
    case CfgValue::Kind::Text:
        return value.text;
    case CfgValue::Kind::Number:
        return decimalText(value.number);
    case CfgValue::Kind::Truth:
        return value.truth ? QStringLiteral("True") : QStringLiteral("False");
    }
    return {};
}

Converted<int> strictWhole(const QString &text)
{
    const auto number = parseDecimal(text);
    if (!number)
        return failedWith(CfgError::TypeMismatch);
    return roundToInt16(*number);
}

Converted<int> strictWhole(const CfgValue &value)
{
    switch (value.kind) {
    case CfgValue::Kind::Empty:
        return {0};
    case CfgValue::Kind::Text:
        return strictWhole(value.text);
    case CfgValue::Kind::Number:
        return roundToInt16(value.number);
    case CfgValue::Kind::Truth:
        return {value.truth ? -1 : 0};
    }
    return failedWith(CfgError::TypeMismatch);
}

Converted<int> lenientWhole(const CfgValue &value)
{
    const double rounded = roundHalfEven(readNumber(textForm(value)));
    if (!std::isfinite(rounded) || rounded < std::numeric_limits<std::int32_t>::min() ||
        rounded > std::numeric_limits<std::int32_t>::max())
        return failedWith(CfgError::Overflow);
    return {static_cast<int>(rounded)};
}

Converted<bool> truthOf(const CfgValue &value)
{
    switch (value.kind) {
    case CfgValue::Kind::Empty:
        return {false};
    case CfgValue::Kind::Truth:
        return {value.truth};
    case CfgValue::Kind::Number:
        return {!value.number.isZero()};
    case CfgValue::Kind::Text:
        break;
    }
    return {false, CfgError::TypeMismatch};
}

} // namespace tarvek::cfgfile
