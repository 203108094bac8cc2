#include "Cp1252.h"
#include "NumericReading.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace tarvek::config;

using tarvek::config::readNumber;

struct ReadingCase {
    const char *name;
    const char16_t *text;
    double expected;
};

class NumericReading : public ::testing::TestWithParam<ReadingCase>
{
};

TEST_P(NumericReading, ReadsTheLeadingNumber)
{
    EXPECT_DOUBLE_EQ(readNumber(QString::fromUtf16(GetParam().text)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NumericReading,
    ::testing::Values(
        ReadingCase{"digits", u"250", 250}, ReadingCase{"prompt_stops", u"25_", 25},
        ReadingCase{"only_prompts", u"___", 0}, ReadingCase{"empty", u"", 0},
        ReadingCase{"letters", u"abc", 0}, ReadingCase{"fraction", u"2.5", 2.5},
        ReadingCase{"point_first", u".5", 0.5}, ReadingCase{"negative", u"-3.49", -3.49},
        ReadingCase{"plus", u"+3", 3}, ReadingCase{"inner_blanks", u" 1 2", 12},
        ReadingCase{"blank_after_sign", u"- 7", -7}, ReadingCase{"no_exponent", u"1e9", 1},
        ReadingCase{"second_point_stops", u"1.2.3", 1.2}, ReadingCase{"comma_stops", u"2,5", 2},
        ReadingCase{"lone_sign", u"-", 0}, ReadingCase{"double_sign", u"--1", 0},
        ReadingCase{"plus_after_digits_stops", u"1+2", 1},
        ReadingCase{"minus_after_digits_stops", u"3-4", 3}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(NumericReadingLimits, HugeNumbersBecomeInfinityTinyOnesZero)
{
    EXPECT_TRUE(std::isinf(readNumber(QString(400, u'9'))));
    EXPECT_EQ(readNumber(QStringLiteral("0.") + QString(400, u'0') + u'1'), 0.0);
    EXPECT_LT(readNumber(u'-' + QString(400, u'9')), 0.0);
}

TEST(RoundHalfEven, TiesGoToTheEvenNeighbour)
{
    EXPECT_EQ(tarvek::config::roundHalfEven(2.5), 2.0);
    EXPECT_EQ(tarvek::config::roundHalfEven(3.5), 4.0);
    EXPECT_EQ(tarvek::config::roundHalfEven(48.5), 48.0);
    EXPECT_EQ(tarvek::config::roundHalfEven(49.5), 50.0);
    EXPECT_EQ(tarvek::config::roundHalfEven(-0.5), 0.0);
    EXPECT_EQ(tarvek::config::roundHalfEven(2.51), 3.0);
}

TEST(FormatWithDigits, PadsWithLeadingZeros)
{
    EXPECT_EQ(tarvek::config::formatWithDigits(7, 3), QStringLiteral("007"));
    EXPECT_EQ(tarvek::config::formatWithDigits(1000, 3), QStringLiteral("1000"));
    EXPECT_EQ(tarvek::config::formatWithDigits(480, 4), QStringLiteral("0480"));
}

TEST(Cp1252, MapsTheHighControlsAndRefusesTheRest)
{
    EXPECT_EQ(tarvek::config::cp1252Code(U'\u20AC'), 0x80);
    EXPECT_EQ(tarvek::config::cp1252Code(U'\u00E8'), 0xE8);
    EXPECT_EQ(tarvek::config::cp1252Code(U'\u4E2D'), -1);
    EXPECT_EQ(tarvek::config::encodeCp1252(QStringLiteral("\u00E8\u20AC\u4E2D")),
              QByteArray("\xE8\x80?"));
    for (int b = 0; b < 256; ++b) {
        const QByteArray one(1, static_cast<char>(b));
        EXPECT_EQ(tarvek::config::encodeCp1252(tarvek::config::decodeCp1252(one)), one) << b;
    }
}
