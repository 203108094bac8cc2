#pragma once
// The conversions that Load applies to the values it reads.
#include "CfgResult.h"
#include "CfgValue.h"

#include <QString>

namespace tarvek::cfgfile
{

template <typename T> struct Converted {
    T value{};
    CfgError error = CfgError::None;
    bool converted() const { return error == CfgError::None; }
};

// Text form, for every text control: a text unchanged, a number in plain
// decimal digits, an empty value as the empty text, a truth value as "True"
// or "False".
QString textForm(const CfgValue &value);

// Strict whole number: a number, or a text that is wholly a number, to the
// nearest whole number (a half to the even neighbour); an empty value is 0,
// #TRUE# is -1 and #FALSE# 0. Other text is a TypeMismatch; a result outside
// the signed 16-bit range an Overflow.
Converted<int> strictWhole(const CfgValue &value);

// Lenient reading: the numeric reading rule applied to the text form (the
// number at its start, 0 when there is none), to the nearest whole number (a
// half to the even neighbour). Never a TypeMismatch; a result outside the
// signed 32-bit range is an Overflow.
Converted<int> lenientWhole(const CfgValue &value);

// Truth: a truth value unchanged, a number true when not 0, an empty value
// false; text is a TypeMismatch.
Converted<bool> truthOf(const CfgValue &value);

// The strict conversion of a control's text (Save's status code).
Converted<int> strictWhole(const QString &text);

} // namespace tarvek::cfgfile
