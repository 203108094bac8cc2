// Arbitrary bytes into the four validators; every text they accept must go
// through the parsers and encoders to a position text of exactly 20 or 14
// characters whose fields lie in range. Besides the raw bytes, the input is
// also shaped into "sign degrees.mm.ss" texts so accepted texts are common.
#include "AngleText.h"
#include "AngleValidation.h"
#include "AprsPosition.h"
#include "ConversionError.h"
#include "PositionText.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

using namespace tarvek::geo;

namespace
{

void require(bool condition, const char *what, const std::string &text)
{
    if (condition)
        return;
    std::fprintf(stderr, "violation: %s for \"%s\"\n", what, text.c_str());
    std::abort();
}

bool IsDigits(const std::string &text, size_t from, size_t count)
{
    return text.size() >= from + count && isAllDigits(std::string_view(text).substr(from, count));
}

int Number(const std::string &text, size_t from, size_t count)
{
    return std::atoi(text.substr(from, count).c_str());
}

// DD[D]MM.hhX with degrees <= limit, minutes < 60 and nothing past the limit.
void CheckNormalField(const std::string &field, int degreeDigits, int limit, const char *hemis)
{
    const size_t d = static_cast<size_t>(degreeDigits);
    require(IsDigits(field, 0, d + 2) && field[d + 2] == '.' && IsDigits(field, d + 3, 2),
            "normal field digits", field);
    const int degrees = Number(field, 0, d);
    const int minutes = Number(field, d, 2);
    const int hundredths = Number(field, d + 3, 2);
    require(minutes < 60 && degrees <= limit, "normal field range", field);
    require(degrees < limit || (minutes == 0 && hundredths == 0), "normal field limit", field);
    require(field[d + 5] == hemis[0] || field[d + 5] == hemis[1], "hemisphere", field);
}

long Base91Value(const std::string &digits)
{
    long value = 0;
    for (const char c : digits) {
        require(c >= '!' && c <= '{', "base-91 digit", digits);
        value = value * 91 + (c - '!');
    }
    return value;
}

void CheckPosition(const std::string &lat, const std::string &lon, AngleNotation notation)
{
    const PositionResult normalResult =
        composePositionText(lat, lon, notation, PositionForm::Normal, '/', ">");
    require(normalResult.ok(), "validated texts compose", normalResult.reason);
    const std::string &normal = normalResult.text;
    require(normal.size() == 20 && normal[0] == '=' && normal[9] == '/' && normal[19] == '>',
            "normal form shape", normal);
    CheckNormalField(normal.substr(1, 8), 2, 90, "NS");
    CheckNormalField(normal.substr(10, 9), 3, 180, "EW");
    const std::string compressed =
        composePositionText(lat, lon, notation, PositionForm::Compressed, '\\', "k").text;
    require(compressed.size() == 14 && compressed.substr(0, 2) == "=\\" &&
                compressed.substr(10) == "k  >",
            "compressed form shape", compressed);
    require(Base91Value(compressed.substr(2, 4)) <= 180L * 380926, "latitude scale", compressed);
    require(Base91Value(compressed.substr(6, 4)) <= 360L * 190463, "longitude scale", compressed);
}

void CheckText(const std::string &text)
{
    const bool latCent = isValidLatCent(text);
    const bool lonCent = isValidLonCent(text);
    const bool latSec = isValidLatSec(text);
    const bool lonSec = isValidLonSec(text);
    if (latCent)
        require(std::fabs(parseDegreesMinutesHundredths(text)) <= 90, "latitude value", text);
    if (lonCent)
        require(std::fabs(parseDegreesMinutesHundredths(text)) <= 180, "longitude value", text);
    if (latSec)
        require(std::fabs(parseDegreesMinutesSeconds(text)) <= 90, "latitude value", text);
    if (lonSec)
        require(std::fabs(parseDegreesMinutesSeconds(text)) <= 180, "longitude value", text);
    if (latCent)
        CheckPosition(text, "00.00.00", AngleNotation::Hundredths);
    if (lonCent)
        CheckPosition("00.00.00", text, AngleNotation::Hundredths);
    if (latSec)
        CheckPosition(text, "00.00.00", AngleNotation::Seconds);
    if (lonSec)
        CheckPosition("00.00.00", text, AngleNotation::Seconds);
    // The parsers on any text either give a value or throw ConversionError.
    try {
        formatDegreesMinutesHundredths(parseDegreesMinutesHundredths(text));
    } catch (const ConversionError &) {
    }
    try {
        aprsLonText(text);
    } catch (const ConversionError &) {
    }
}

// Reads bytes from the input one at a time, zero once it is used up.
struct ByteSource {
    const uint8_t *data;
    size_t size;
    size_t pos = 0;
    unsigned Next() { return pos < size ? data[pos++] : 0; }
};

std::string ShapedText(ByteSource &in)
{
    static const char *const kSigns[] = {"",  "",  "N", "S", "E", "W", "n",  "s",
                                         "e", "w", "+", "-", "x", " ", "NN", ""};
    std::string text = kSigns[in.Next() % 16];
    if (in.Next() % 4 == 0)
        text += '0';
    text += std::to_string(in.Next() % 200);
    for (int part = 0; part < 2; ++part) {
        text += '.';
        text += static_cast<char>('0' + in.Next() % 7);
        text += static_cast<char>('0' + in.Next() % 10);
    }
    const unsigned mutation = in.Next();
    if (mutation % 4 == 0 && !text.empty())
        text[in.Next() % text.size()] = static_cast<char>(in.Next());
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    CheckText(std::string(reinterpret_cast<const char *>(data), size));
    ByteSource in{data, size};
    const std::string lat = ShapedText(in);
    const std::string lon = ShapedText(in);
    CheckText(lat);
    CheckText(lon);
    for (const AngleNotation notation : {AngleNotation::Hundredths, AngleNotation::Seconds}) {
        if (positionTextsValid(lat, lon, notation))
            CheckPosition(lat, lon, notation);
    }
    return 0;
}
