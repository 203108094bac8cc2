#include "AngleValidation.h"

#include "AngleText.h"
#include "NumberText.h"
#include "TextCuts.h"

namespace tarvek::geo
{

namespace
{

// A part of at most two characters that are all digits, valued below limit.
bool isDigitPartBelow(const std::string &part, int limit)
{
    if (!isAllDigits(part))
        return false;
    int value = 0;
    for (const char c : part)
        value = value * 10 + (c - '0');
    return value < limit;
}

// Checks degrees "." minutes "." last-part from the right end of the text.
// Every text shorter than "D.MM.SS" fails; longer ones can take every cut.
bool hasThreeParts(std::string text, int lastPartLimit)
{
    if (text.size() < 7)
        return false;
    bool ok = isDigitPartBelow(lastChars(text, 2), lastPartLimit);
    text = dropLast(text, 2);
    ok = lastChars(text, 1) == "." && ok;
    text = dropLast(text, 1);
    ok = isDigitPartBelow(lastChars(text, 2), 60) && ok;
    text = dropLast(text, 2);
    ok = lastChars(text, 1) == "." && ok;
    text = dropLast(text, 1);
    return isAllDigits(text) && ok;
}

// The value is read only from a well-formed text, where every part is a
// number; any other text is refused before a conversion could fail. A failure
// all the same (out of memory) is an answer of false, never an exception.
bool isValidSec(std::string text, std::string_view signs, float limit, size_t lengthLimit) noexcept
{
    try {
        takeSignChar(text, signs);
        const bool ok = text.size() < lengthLimit && hasThreeParts(text, 60);
        return ok && narrowToFloat(parseDegreesMinutesSeconds(text)) <= limit;
    } catch (...) {
        return false;
    }
}

bool isValidCent(std::string text, std::string_view signs, float limit) noexcept
{
    try {
        takeSignChar(text, signs);
        const bool ok = hasThreeParts(text, 100);
        return ok && narrowToFloat(parseDegreesMinutesHundredths(text)) <= limit;
    } catch (...) {
        return false;
    }
}

} // namespace

bool isAllDigits(std::string_view text) noexcept
{
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return !text.empty();
}

bool isValidLatSec(std::string text) noexcept
{
    return isValidSec(std::move(text), kLatitudeSigns.all, 90, 9);
}

bool isValidLonSec(std::string text) noexcept
{
    return isValidSec(std::move(text), kLongitudeSigns.all, 180, 10);
}

bool isValidLatCent(std::string text) noexcept
{
    return isValidCent(std::move(text), kLatitudeSigns.all, 90);
}

bool isValidLonCent(std::string text) noexcept
{
    return isValidCent(std::move(text), kLongitudeSigns.all, 180);
}

} // namespace tarvek::geo
