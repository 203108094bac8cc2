// Parsing angle texts into decimal degrees and formatting them back.
#include "AngleText.h"
#include "ConversionError.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <ostream>
#include <string>

namespace tarvek::geo
{
namespace
{

struct ParseRow {
    const char *name;
    std::string text;
    double expected;

    friend void PrintTo(const ParseRow &row, std::ostream *os) { *os << row.name; }
};

std::string RowName(const char *name)
{
    return name;
}

class ParseDegreesMinutesSecondsTest : public ::testing::TestWithParam<ParseRow>
{
};

TEST_P(ParseDegreesMinutesSecondsTest, GivesSignedDegrees)
{
    EXPECT_NEAR(parseDegreesMinutesSeconds(GetParam().text), GetParam().expected, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ParseDegreesMinutesSecondsTest,
    ::testing::Values(ParseRow{"Plain", "45.30.30", 45.508333333333333},
                      ParseRow{"South", "S45.30.30", -45.508333333333333},
                      ParseRow{"LowerCaseWest", "w7.05.00", -7.083333333333333},
                      ParseRow{"North", "n7.05.00", 7.083333333333333},
                      ParseRow{"EastKeptPositive", "E011.52.20", 11.872222222222222},
                      ParseRow{"Minus", "-180.00.00", -180.0}, ParseRow{"Limit", "90.00.00", 90.0}),
    [](const auto &info) { return RowName(info.param.name); });

class ParseDegreesMinutesHundredthsTest : public ::testing::TestWithParam<ParseRow>
{
};

TEST_P(ParseDegreesMinutesHundredthsTest, GivesSignedDegrees)
{
    EXPECT_NEAR(parseDegreesMinutesHundredths(GetParam().text), GetParam().expected, 1e-12);
}

// The minutes go through a 32-bit float: 52.34 is 52.34000015..., which puts
// 11.52.34 at 11.8723333358... rather than 11.8723333333...
INSTANTIATE_TEST_SUITE_P(
    Rows, ParseDegreesMinutesHundredthsTest,
    ::testing::Values(ParseRow{"Plain", "45.30.50", 45.508333333333333},
                      ParseRow{"LeadingZeros", "0045.30.50", 45.508333333333333},
                      ParseRow{"SingleMinutes", "-11.52.34", -11.872333335876466},
                      ParseRow{"LowerCaseNorth", "n5.07.08", 5.117999998728434},
                      ParseRow{"West", "W151.12.00", -151.2},
                      ParseRow{"SpaceBeforeDegrees", " 45.30.50", 45.508333333333333},
                      ParseRow{"SecondSignInDegrees", "++5.30.00", 5.5},
                      ParseRow{"NothingAfterPoint", "5.", 5.0}),
    [](const auto &info) { return RowName(info.param.name); });

TEST(ParserErrorsTest, RaiseConversionErrors)
{
    EXPECT_THROW(parseDegreesMinutesHundredths("4530"), ConversionError);
    EXPECT_THROW(parseDegreesMinutesHundredths(""), ConversionError);
    EXPECT_THROW(parseDegreesMinutesHundredths(".30.50"), ConversionError);
    EXPECT_THROW(parseDegreesMinutesHundredths("4 5.30.50"), ConversionError);
    EXPECT_THROW(parseDegreesMinutesHundredths("x5.30.50"), ConversionError);
    EXPECT_THROW(parseDegreesMinutesSeconds("ab.cd.ef"), ConversionError);
    EXPECT_THROW(packedSecToDegrees("45a3030"), ConversionError);
    EXPECT_THROW(parseDegreesMinutesSeconds("N45.3%.30"), ConversionError);
}

TEST(PackDegreesMinutesSecondsTest, PacksDegreesMinutesSeconds)
{
    EXPECT_EQ(packDegreesMinutesSeconds("45.30.30"), "0453030");
    EXPECT_EQ(packDegreesMinutesSeconds("7.05.00"), "0070500");
    EXPECT_EQ(packDegreesMinutesSeconds("s45.30.30"), "S0453030");
    EXPECT_EQ(packDegreesMinutesSeconds("w7.05.00"), "W0070500");
    EXPECT_EQ(packDegreesMinutesSeconds("+180.00.00"), "+1800000");
    // Separators are skipped unseen; other first characters stay in place.
    EXPECT_EQ(packDegreesMinutesSeconds("45x30y30"), "0453030");
    EXPECT_EQ(packDegreesMinutesSeconds("x45.30.30"), "x453030");
    // A longer text loses its leading characters, a short one is not padded.
    EXPECT_EQ(packDegreesMinutesSeconds("1234.56.78"), "2345678");
    EXPECT_EQ(packDegreesMinutesSeconds("5"), "00505");
    EXPECT_EQ(packDegreesMinutesSeconds(""), "0000");
}

TEST(PackedSecToDegreesTest, ReadsPackedForm)
{
    EXPECT_NEAR(packedSecToDegrees("0453030"), 45.508333333333333, 1e-12);
    EXPECT_NEAR(packedSecToDegrees("S0453030"), -45.508333333333333, 1e-12);
    EXPECT_NEAR(packedSecToDegrees("70500"), 7.083333333333333, 1e-12);
    EXPECT_EQ(packedSecToDegrees(""), 0.0);
    // "E" is no negative sign: 11 degrees east.
    EXPECT_NEAR(packedSecToDegrees("e0115220"), 11.872222222222222, 1e-12);
}

struct FormatRow {
    const char *name;
    double value;
    std::string packed;
    std::string text;

    friend void PrintTo(const FormatRow &row, std::ostream *os) { *os << row.name; }
};

class FormatDegreesMinutesHundredthsTest : public ::testing::TestWithParam<FormatRow>
{
};

TEST_P(FormatDegreesMinutesHundredthsTest, PacksAndFormats)
{
    EXPECT_EQ(degreesToPackedCent(GetParam().value), GetParam().packed);
    EXPECT_EQ(formatDegreesMinutesHundredths(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FormatDegreesMinutesHundredthsTest,
    ::testing::Values(FormatRow{"ThirtyPointFifty", 45 + 30.5 / 60, "0453050", "45.30.50"},
                      FormatRow{"TwentySecondsRoundDown", 11 + 52.0 / 60 + 20.0 / 3600, "0115233",
                                "11.52.33"},
                      FormatRow{"Zero", 0.0, "0000000", "0.00.00"},
                      FormatRow{"SmallNegative", -0.001, "-0000006", "-0.00.06"},
                      FormatRow{"NegativeWhole", -72.75, "-0724500", "-72.45.00"},
                      FormatRow{"ThreeDegreeDigits", 123.5, "1233000", "123.30.00"},
                      FormatRow{"DoubleCarry", 9.9999999, "0100000", "10.00.00"},
                      FormatRow{"DoubleCarryToEleven", 10.9999999, "0110000", "11.00.00"},
                      FormatRow{"MinuteCarry", 10 + 28.9999 / 60, "0102900", "10.29.00"},
                      // Exact halves of a hundredth go to the even neighbour.
                      FormatRow{"TieToEvenDown", 0.125 / 60, "0000012", "0.00.12"},
                      FormatRow{"TieToEvenUp", 0.375 / 60, "0000038", "0.00.38"},
                      FormatRow{"TieToEvenDownAgain", 0.625 / 60, "0000062", "0.00.62"}),
    [](const auto &info) { return RowName(info.param.name); });

TEST(DegreesToPackedCentTest, RefusesValuesWithoutDegrees)
{
    EXPECT_THROW(degreesToPackedCent(std::numeric_limits<double>::quiet_NaN()), ConversionError);
    EXPECT_THROW(degreesToPackedCent(std::numeric_limits<double>::infinity()), ConversionError);
    EXPECT_THROW(degreesToPackedCent(-1e12), ConversionError);
}

TEST(UnpackCentTest, WritesDegreesMinutesHundredths)
{
    EXPECT_EQ(unpackCent("0070508"), "7.05.08");
    EXPECT_EQ(unpackCent("0453050"), "45.30.50");
    EXPECT_EQ(unpackCent("0000000"), "0.00.00");
    EXPECT_EQ(unpackCent("1234567"), "123.45.67");
    EXPECT_EQ(unpackCent("-0000006"), "-0.00.06");
    EXPECT_EQ(unpackCent("s0453050"), "S45.30.50");
    EXPECT_EQ(unpackCent("70508"), "7.05.08");
    EXPECT_EQ(unpackCent(""), "0.00.00");
}

// The texts must read and write the same whatever the user's locale; Italian
// uses "," as its decimal separator.
TEST(LocaleTest, ItalianLocaleChangesNothing)
{
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    if (std::setlocale(LC_ALL, "it_IT.UTF-8") == nullptr)
        GTEST_SKIP() << "it_IT.UTF-8 is not installed";
    const double cent = parseDegreesMinutesHundredths("-11.52.34");
    const double sec = parseDegreesMinutesSeconds("45.30.30");
    const std::string text = formatDegreesMinutesHundredths(-72.75);
    std::setlocale(LC_ALL, saved.c_str());
    EXPECT_NEAR(cent, -11.872333335876466, 1e-12);
    EXPECT_NEAR(sec, 45.508333333333333, 1e-12);
    EXPECT_EQ(text, "-72.45.00");
}

} // namespace
} // namespace tarvek::geo
