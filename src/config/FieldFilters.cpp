#include "FieldFilters.h"

#include "NumericReading.h"

namespace tarvek::config
{

namespace
{

bool isDigit(int code)
{
    return code >= '0' && code <= '9';
}
bool isCapital(int code)
{
    return code >= 'A' && code <= 'Z';
}
bool isSmall(int code)
{
    return code >= 'a' && code <= 'z';
}

// The callsign rule with `extra` as one more accepted character.
void filterCallsignLike(int &code, int extra)
{
    if (code == kBackspaceCode || code == extra)
        return;
    if (code == '-' || isDigit(code) || isCapital(code))
        return;
    if (isSmall(code)) {
        code = code - 'a' + 'A';
        return;
    }
    code = 0;
}

} // namespace

void filterCallsignKey(int &code)
{
    filterCallsignLike(code, kBackspaceCode);
}

void filterPathKey(int &code)
{
    filterCallsignLike(code, ',');
}

void filterMessageKey(int &code)
{
    if (code < 0 || code == '{' || code == '|' || code >= '~')
        code = 0;
}

void filterStatusTextKey(int &code, const QString &acquisitionTimeoutText)
{
    if (code < 0) {
        code = 0;
        return;
    }
    if (isGpslessMode(acquisitionTimeoutText)) {
        if (code >= '|')
            code = 0;
        return;
    }
    if (code == '\'' || code == '`' || code >= '{')
        code = 0;
}

void filterCoordinateKey(int &code)
{
    if (code != kBackspaceCode && code != '.' && !isDigit(code) && code != '%' && code != '\'')
        code = 0;
}

bool isGpslessMode(const QString &acquisitionTimeoutText)
{
    return readNumber(acquisitionTimeoutText) == 0.0;
}

QString counterText(int maxLength, int textLength)
{
    return QStringLiteral("[") + QString::number(maxLength - textLength) + QStringLiteral("]");
}

} // namespace tarvek::config
