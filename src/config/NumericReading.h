#pragma once
// The numeric reading rule for the settings' texts, which are QStrings: the
// rule itself, the rounding and the zero padding are geo's (NumberText.h).
#include "NumberText.h"

#include <QString>

namespace tarvek::config
{

// The decimal number at the start of the text, or 0, by geo::leadingNumber.
double readNumber(const QString &text);

using geo::roundHalfEven;

// A whole number written with at least `digits` digits, zeros in front.
QString formatWithDigits(long long value, int digits);

} // namespace tarvek::config
