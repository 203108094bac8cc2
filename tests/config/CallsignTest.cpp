#include "Callsign.h"

#include <gtest/gtest.h>

using namespace tarvek::config;

using tarvek::config::normalizeCallsign;

struct CallsignCase {
    const char *name;
    const char *input;
    const char *callsign; // six characters
    int ssidCode;
    const char *text;
};

class Normalization : public ::testing::TestWithParam<CallsignCase>
{
};

TEST_P(Normalization, GivesBytesAndWrittenBackText)
{
    const auto &c = GetParam();
    const auto out = normalizeCallsign(QString::fromLatin1(c.input));
    ASSERT_TRUE(out.has_value());
    EXPECT_EQ(out->callsign, QString::fromLatin1(c.callsign));
    EXPECT_EQ(out->ssidCode, c.ssidCode);
    EXPECT_EQ(out->text, QString::fromLatin1(c.text));
}

INSTANTIATE_TEST_SUITE_P(
    Examples, Normalization,
    ::testing::Values(
        CallsignCase{"ssid_two_digits_kept_as_typed", "NOCALL-09", "NOCALL", 57, "NOCALL-09"},
        CallsignCase{"ssid_zero_dropped", "NOCALL-0", "NOCALL", 48, "NOCALL"},
        CallsignCase{"ssid_16_becomes_zero", "NOCALL-16", "NOCALL", 48, "NOCALL"},
        CallsignCase{"ssid_15", "  NOCALL-15  ", "NOCALL", 63, "NOCALL-15"},
        CallsignCase{"empty_ssid", "NOCALL-", "NOCALL", 48, "NOCALL"},
        CallsignCase{"long_call_cut", "ABCDEFGH-1", "ABCDEF", 49, "ABCDEF-1"},
        CallsignCase{"short_call_padded", "AB1", "AB1   ", 48, "AB1"},
        CallsignCase{"case_kept", "nocall-9", "nocall", 57, "nocall-9"},
        CallsignCase{"leading_dash_is_callsign", "-", "-     ", 48, "-"},
        CallsignCase{"leading_dash_then_ssid", "-X-3", "-X    ", 51, "-X-3"},
        CallsignCase{"fraction_rounds_half_even", "X-2.5", "X     ", 50, "X-2.5"},
        CallsignCase{"fraction_rounds_half_up_to_even", "X-3.5", "X     ", 52, "X-3.5"},
        CallsignCase{"ssid_15_5_rounds_to_16_zero", "NOCALL-15.5", "NOCALL", 48, "NOCALL"},
        CallsignCase{"minus_zero_point_four", "W-0.4", "W     ", 48, "W"},
        CallsignCase{"exponent_not_read", "X-1e9", "X     ", 49, "X-1e9"},
        CallsignCase{"blank_inside_ssid", "X- 7", "X     ", 55, "X- 7"},
        CallsignCase{"empty", "", "      ", 48, ""},
        CallsignCase{"spaces_only", "   ", "      ", 48, ""},
        CallsignCase{"tab_at_start_kept", "\tAB1-2", "\tAB1  ", 50, "\tAB1-2"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Normalization, RefusesNegativeAndOversizedSsids)
{
    for (const char *text : {"NOCALL--1", "NOCALL--48", "NOCALL--49", "NOCALL-99999", "X-32768",
                             "X-"
                             "999999999999999999999999"}) {
        EXPECT_FALSE(normalizeCallsign(QString::fromLatin1(text))) << text;
    }
    EXPECT_TRUE(normalizeCallsign(QStringLiteral("X-32767")));
    EXPECT_TRUE(normalizeCallsign(QStringLiteral("X--0.4"))) << "-0.4 rounds to 0";
}
