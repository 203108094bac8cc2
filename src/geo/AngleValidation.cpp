#include "AngleValidation.h"

#include "AngleText.h"
#include "NumberText.h"
#include "TextCuts.h"

namespace tarvek::geo
{

namespace
{

constexpr std::string_view kLatSigns = "NS-+";
constexpr std::string_view kLonSigns = "EW-+";

// A part of at most two characters that are all digits, valued below limit.
bool IsDigitPartBelow(const std::string &part, int limit)
{
    if (!IsAllDigits(part))
        return false;
    int value = 0;
    for (const char c : part)
        value = value * 10 + (c - '0');
    return value < limit;
}

// Checks degrees "." minutes "." last-part from the right end of the text.
// Every text shorter than "D.MM.SS" fails; longer ones can take every cut.
bool HasThreeParts(std::string text, int lastPartLimit)
{
    if (text.size() < 7)
        return false;
    bool ok = IsDigitPartBelow(RightChars(text, 2), lastPartLimit);
    text = DropRight(text, 2);
    ok = RightChars(text, 1) == "." && ok;
    text = DropRight(text, 1);
    ok = IsDigitPartBelow(RightChars(text, 2), 60) && ok;
    text = DropRight(text, 2);
    ok = RightChars(text, 1) == "." && ok;
    text = DropRight(text, 1);
    return IsAllDigits(text) && ok;
}

// The value is read only from a well-formed text, where every part is a
// number; any other text is refused before a conversion could fail. A failure
// all the same (out of memory) is an answer of false, never an exception.
bool IsValidSec(std::string text, std::string_view signs, float limit, size_t lengthLimit) noexcept
{
    try {
        TakeSignChar(text, signs);
        const bool ok = text.size() < lengthLimit && HasThreeParts(text, 60);
        return ok && NarrowToSingle(ParseGradMinSec(text)) <= limit;
    } catch (...) {
        return false;
    }
}

bool IsValidCent(std::string text, std::string_view signs, float limit) noexcept
{
    try {
        TakeSignChar(text, signs);
        const bool ok = HasThreeParts(text, 100);
        return ok && NarrowToSingle(ParseGradMinCent(text)) <= limit;
    } catch (...) {
        return false;
    }
}

} // namespace

bool IsAllDigits(std::string_view text) noexcept
{
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return !text.empty();
}

bool IsValidLatSec(std::string text) noexcept
{
    return IsValidSec(std::move(text), kLatSigns, 90, 9);
}

bool IsValidLonSec(std::string text) noexcept
{
    return IsValidSec(std::move(text), kLonSigns, 180, 10);
}

bool IsValidLatCent(std::string text) noexcept
{
    return IsValidCent(std::move(text), kLatSigns, 90);
}

bool IsValidLonCent(std::string text) noexcept
{
    return IsValidCent(std::move(text), kLonSigns, 180);
}

} // namespace tarvek::geo
