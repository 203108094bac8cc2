// Text-to-number rules under the coordinate texts: which part texts are
// numbers (and which raise a conversion error), and the leading-number scan.
#include "ConversionError.h"
#include "NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <ostream>
#include <string>

namespace tarvek::geo
{
namespace
{

struct SingleRow {
    const char *name;
    std::string text;
    std::optional<float> expected; // nothing: a conversion error

    friend void PrintTo(const SingleRow &row, std::ostream *os) { *os << row.name; }
};

class TextToSingleTest : public ::testing::TestWithParam<SingleRow>
{
};

TEST_P(TextToSingleTest, ConvertsOrRefuses)
{
    const SingleRow &row = GetParam();
    if (row.expected)
        EXPECT_EQ(textToFloat(row.text), *row.expected);
    else
        EXPECT_THROW(textToFloat(row.text), ConversionError);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TextToSingleTest,
    ::testing::Values(
        SingleRow{"Digits", "045", 45.0f}, SingleRow{"LeadingSpace", " 45", 45.0f},
        SingleRow{"TrailingSpaceAndTab", "45 \t", 45.0f}, SingleRow{"PlusSign", "+5", 5.0f},
        SingleRow{"MinusSign", "-5", -5.0f}, SingleRow{"Fraction", "52.34", 52.34f},
        SingleRow{"Exponent", "1e2", 100.0f}, SingleRow{"InnerSpace", "4 5", std::nullopt},
        SingleRow{"Empty", "", std::nullopt}, SingleRow{"OnlySpaces", "  ", std::nullopt},
        SingleRow{"OnlyPoint", ".", std::nullopt}, SingleRow{"DoubleSign", "+-5", std::nullopt},
        SingleRow{"ExponentWithoutDigits", "1e", std::nullopt},
        SingleRow{"Hex", "0x10", std::nullopt},
        SingleRow{"CommaIsNoSeparator", "1,5", std::nullopt},
        SingleRow{"Letter", "4a", std::nullopt},
        SingleRow{"BeyondFloatRange", "3.5e38", std::nullopt},
        SingleRow{"BeyondDoubleRange", "1e400", std::nullopt}),
    [](const ::testing::TestParamInfo<SingleRow> &info) { return std::string(info.param.name); });

TEST(LeadingNumberTest, ReadsTheNumberAtTheStart)
{
    EXPECT_EQ(leadingNumber("30.50"), 30.5);
    EXPECT_EQ(leadingNumber("30.50.7"), 30.5);
    EXPECT_EQ(leadingNumber("-2.5x"), -2.5);
    EXPECT_EQ(leadingNumber(" 3 0"), 30.0);
    EXPECT_EQ(leadingNumber(".5"), 0.5);
    EXPECT_EQ(leadingNumber(""), 0.0);
    EXPECT_EQ(leadingNumber("abc"), 0.0);
    EXPECT_EQ(leadingNumber("+-3"), 0.0);
    EXPECT_TRUE(std::isinf(leadingNumber(std::string(400, '9'))));
    EXPECT_EQ(leadingNumber("\r\n7"), 7.0);
}

TEST(TextToWholeTest, RoundsTiesToEvenAndRefusesOverflow)
{
    EXPECT_EQ(textToWhole("0045"), 45);
    EXPECT_EQ(textToWhole("2.5"), 2);
    EXPECT_EQ(textToWhole("3.5"), 4);
    EXPECT_EQ(textToWhole("-7"), -7);
    EXPECT_THROW(textToWhole("99999999999"), ConversionError);
    EXPECT_THROW(textToWhole("x"), ConversionError);
}

TEST(ZeroPaddedTest, PadsToTheMinimumWidth)
{
    EXPECT_EQ(zeroPadded(5, 2), "05");
    EXPECT_EQ(zeroPadded(0, 3), "000");
    EXPECT_EQ(zeroPadded(123, 2), "123");
    EXPECT_EQ(zeroPadded(-45, 2), "-45");
    EXPECT_EQ(zeroPadded(-5, 3), "-005");
}

} // namespace
} // namespace tarvek::geo
