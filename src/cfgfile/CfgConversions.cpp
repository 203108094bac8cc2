#include "CfgConversions.h"

#include "NumericReading.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace tarvek
{
namespace
{

Converted<int> Fail(CfgError error)
{
    return {0, error};
}

Converted<int> RoundToInt16(const DecimalNumber &number)
{
    const auto rounded = RoundDecimal(number, INT16_MIN, INT16_MAX);
    if (!rounded)
        return Fail(CfgError::Overflow);
    return {static_cast<int>(*rounded)};
}

} // namespace

QString TextForm(const CfgValue &value)
{
    switch (value.kind) {
    case CfgValue::Kind::Empty:
        return {};
    case CfgValue::Kind::Text:
        return value.text;
    case CfgValue::Kind::Number:
        return DecimalText(value.number);
    case CfgValue::Kind::Truth:
        return value.truth ? QStringLiteral("True") : QStringLiteral("False");
    }
    return {};
}

Converted<int> StrictWhole(const QString &text)
{
    const auto number = ParseDecimal(text);
    if (!number)
        return Fail(CfgError::TypeMismatch);
    return RoundToInt16(*number);
}

Converted<int> StrictWhole(const CfgValue &value)
{
    switch (value.kind) {
    case CfgValue::Kind::Empty:
        return {0};
    case CfgValue::Kind::Text:
        return StrictWhole(value.text);
    case CfgValue::Kind::Number:
        return RoundToInt16(value.number);
    case CfgValue::Kind::Truth:
        return {value.truth ? -1 : 0};
    }
    return Fail(CfgError::TypeMismatch);
}

Converted<int> LenientWhole(const CfgValue &value)
{
    const double rounded = RoundHalfEven(ReadNumber(TextForm(value)));
    if (!std::isfinite(rounded) || rounded < std::numeric_limits<std::int32_t>::min() ||
        rounded > std::numeric_limits<std::int32_t>::max())
        return Fail(CfgError::Overflow);
    return {static_cast<int>(rounded)};
}

Converted<bool> TruthOf(const CfgValue &value)
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

} // namespace tarvek
