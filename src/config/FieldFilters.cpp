#include "FieldFilters.h"

#include "NumericReading.h"

namespace tarvek
{

namespace
{

bool IsDigit(int code)
{
    return code >= '0' && code <= '9';
}
bool IsCapital(int code)
{
    return code >= 'A' && code <= 'Z';
}
bool IsSmall(int code)
{
    return code >= 'a' && code <= 'z';
}

// The callsign rule with `extra` as one more accepted character.
void FilterCallsignLike(int &code, int extra)
{
    if (code == kBackspaceCode || code == extra)
        return;
    if (code == '-' || IsDigit(code) || IsCapital(code))
        return;
    if (IsSmall(code)) {
        code = code - 'a' + 'A';
        return;
    }
    code = 0;
}

} // namespace

void FilterCallsignKey(int &code)
{
    FilterCallsignLike(code, kBackspaceCode);
}

void FilterPathKey(int &code)
{
    FilterCallsignLike(code, ',');
}

void FilterMessageKey(int &code)
{
    if (code < 0 || code == '{' || code == '|' || code >= '~')
        code = 0;
}

void FilterStatusTextKey(int &code, const QString &acquisitionTimeoutText)
{
    if (code < 0) {
        code = 0;
        return;
    }
    if (IsGpslessMode(acquisitionTimeoutText)) {
        if (code >= '|')
            code = 0;
        return;
    }
    if (code == '\'' || code == '`' || code >= '{')
        code = 0;
}

void FilterCoordinateKey(int &code)
{
    if (code != kBackspaceCode && code != '.' && !IsDigit(code) && code != '%' && code != '\'')
        code = 0;
}

bool IsGpslessMode(const QString &acquisitionTimeoutText)
{
    return ReadNumber(acquisitionTimeoutText) == 0.0;
}

QString CounterText(int maxLength, int textLength)
{
    return QStringLiteral("[") + QString::number(maxLength - textLength) + QStringLiteral("]");
}

} // namespace tarvek
