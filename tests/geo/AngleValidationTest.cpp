// Which latitude and longitude texts the four validators accept.
#include "AngleValidation.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace tarvek::geo
{
namespace
{

struct DigitsRow {
    const char *name;
    std::string text;
    bool expected;

    friend void PrintTo(const DigitsRow &row, std::ostream *os) { *os << row.name; }
};

class IsAllDigitsTest : public ::testing::TestWithParam<DigitsRow>
{
};

TEST_P(IsAllDigitsTest, Answers)
{
    EXPECT_EQ(isAllDigits(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, IsAllDigitsTest,
                         ::testing::Values(DigitsRow{"Empty", "", false},
                                           DigitsRow{"SpaceThenDigit", " 1", false},
                                           DigitsRow{"DigitThenLetter", "1a", false},
                                           DigitsRow{"Zero", "0", true},
                                           DigitsRow{"LeadingZero", "09", true},
                                           DigitsRow{"SlashBelowZero", "1/", false},
                                           DigitsRow{"ColonAboveNine", ":1", false},
                                           DigitsRow{"HighByte", "1\xB9", false}),
                         [](const auto &info) { return std::string(info.param.name); });

enum class Check { LatSec, LonSec, LatCent, LonCent };

struct ValidRow {
    const char *name;
    Check check;
    std::string text;
    bool expected;

    friend void PrintTo(const ValidRow &row, std::ostream *os) { *os << row.name; }
};

bool RunCheck(Check check, const std::string &text)
{
    switch (check) {
    case Check::LatSec:
        return isValidLatSec(text);
    case Check::LonSec:
        return isValidLonSec(text);
    case Check::LatCent:
        return isValidLatCent(text);
    case Check::LonCent:
        return isValidLonCent(text);
    }
    return false;
}

class ValidatorTest : public ::testing::TestWithParam<ValidRow>
{
};

TEST_P(ValidatorTest, Answers)
{
    EXPECT_EQ(RunCheck(GetParam().check, GetParam().text), GetParam().expected);
}

const std::string kHugeDegrees = std::string(60, '9') + ".00.00";

INSTANTIATE_TEST_SUITE_P(
    LatSec, ValidatorTest,
    ::testing::Values(ValidRow{"Plain", Check::LatSec, "45.30.30", true},
                      ValidRow{"North", Check::LatSec, "N45.30.30", true},
                      ValidRow{"LowerNorth", Check::LatSec, "n45.30.30", true},
                      ValidRow{"LowerSouth", Check::LatSec, "s45.30.30", true},
                      ValidRow{"Plus", Check::LatSec, "+45.30.30", true},
                      ValidRow{"Limit", Check::LatSec, "90.00.00", true},
                      ValidRow{"LeadingZero", Check::LatSec, "09.00.00", true},
                      ValidRow{"OneDigitDegrees", Check::LatSec, "9.00.00", true},
                      ValidRow{"LetterOfOtherAxis", Check::LatSec, "E45.30.30", false},
                      ValidRow{"TwoSigns", Check::LatSec, "N-45.30.30", false},
                      ValidRow{"MinutesSixty", Check::LatSec, "45.60.00", false},
                      ValidRow{"SecondsSixty", Check::LatSec, "45.30.60", false},
                      ValidRow{"AboveLimit", Check::LatSec, "90.00.01", false},
                      ValidRow{"ThreeDegreeDigits", Check::LatSec, "145.00.00", false},
                      ValidRow{"ZeroPaddedDegrees", Check::LatSec, "045.00.00", false},
                      ValidRow{"OneDigitMinutes", Check::LatSec, "4.5.30", false},
                      ValidRow{"TwoParts", Check::LatSec, "45.30", false},
                      ValidRow{"OneDigitSeconds", Check::LatSec, "45.30.3", false},
                      ValidRow{"Empty", Check::LatSec, "", false},
                      ValidRow{"SingleDigit", Check::LatSec, "5", false},
                      ValidRow{"OnlyPoints", Check::LatSec, "...", false},
                      ValidRow{"OnlySign", Check::LatSec, "N", false},
                      ValidRow{"PerCent", Check::LatSec, "45.30.3%", false},
                      ValidRow{"Apostrophe", Check::LatSec, "45'30.30", false},
                      ValidRow{"SpaceBeforeDegrees", Check::LatSec, " 45.30.30", false},
                      ValidRow{"TrailingSpace", Check::LatSec, "45.30.30 ", false},
                      ValidRow{"EmbeddedNul", Check::LatSec, std::string("45.3\0.30", 8), false}),
    [](const auto &info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    LonSec, ValidatorTest,
    ::testing::Values(ValidRow{"Limit", Check::LonSec, "180.00.00", true},
                      ValidRow{"WestNineCharacters", Check::LonSec, "W011.52.20", true},
                      ValidRow{"LowerEast", Check::LonSec, "e11.52.20", true},
                      ValidRow{"Minus", Check::LonSec, "-180.00.00", true},
                      ValidRow{"AboveLimit", Check::LonSec, "180.00.01", false},
                      ValidRow{"TenCharacters", Check::LonSec, "0011.52.20", false},
                      ValidRow{"LetterOfOtherAxis", Check::LonSec, "N11.52.20", false},
                      ValidRow{"FarAboveLimit", Check::LonSec, "999.00.00", false}),
    [](const auto &info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    LatCent, ValidatorTest,
    ::testing::Values(ValidRow{"NinetyNineHundredths", Check::LatCent, "45.30.99", true},
                      ValidRow{"ManyDegreeDigits", Check::LatCent, "0045.30.50", true},
                      ValidRow{"JustBelowLimit", Check::LatCent, "89.59.99", true},
                      ValidRow{"Limit", Check::LatCent, "90.00.00", true},
                      ValidRow{"Minus", Check::LatCent, "-33.52.00", true},
                      ValidRow{"OneDigitHundredths", Check::LatCent, "45.30.5", false},
                      ValidRow{"AboveLimit", Check::LatCent, "90.00.01", false},
                      ValidRow{"NoDegrees", Check::LatCent, ".30.50", false},
                      ValidRow{"MinutesSixty", Check::LatCent, "45.60.00", false},
                      ValidRow{"LetterOfOtherAxis", Check::LatCent, "W45.30.50", false},
                      ValidRow{"HugeDegrees", Check::LatCent, kHugeDegrees, false},
                      ValidRow{"OnlyDigits", Check::LatCent, std::string(500, '1'), false}),
    [](const auto &info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    LonCent, ValidatorTest,
    ::testing::Values(ValidRow{"MinusLimit", Check::LonCent, "-180.00.00", true},
                      ValidRow{"LowerWest", Check::LonCent, "w49.41.34", true},
                      ValidRow{"FourDegreeDigits", Check::LonCent, "0180.00.00", true},
                      ValidRow{"AboveLimit", Check::LonCent, "180.00.01", false},
                      ValidRow{"LetterOfOtherAxis", Check::LonCent, "S49.41.34", false}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(InitialFieldTextTest, PassesAllFourValidators)
{
    EXPECT_TRUE(isValidLatSec("00.00.00"));
    EXPECT_TRUE(isValidLonSec("00.00.00"));
    EXPECT_TRUE(isValidLatCent("00.00.00"));
    EXPECT_TRUE(isValidLonCent("00.00.00"));
}

} // namespace
} // namespace tarvek::geo
