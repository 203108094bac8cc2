// Why the block builder rejects settings: one row per rule, with the
// setting, its text as the build found it and the rule's wording.
#include "BlockBuilder.h"
#include "CfgTestSupport.h"
#include "ControlAccess.h"

#include <gtest/gtest.h>

using namespace tarvek::config;

namespace tarvek
{
namespace
{

struct RuleRow {
    const char *rule;
    std::vector<std::pair<const char *, const char *>> sets;
    const char *control;
    const char *text;
    const char *reason;
};

class BuildRejectionTest : public ::testing::TestWithParam<RuleRow>
{
};

TEST_P(BuildRejectionTest, NamesTheSettingItsTextAndTheRule)
{
    SettingsModel model;
    loadDefaults(model.tracker);
    for (const auto &[name, value] : GetParam().sets)
        ASSERT_NO_FATAL_FAILURE(testing::Set(model, name, value));
    ConfigBlock block{};
    const BuildResult rejection = buildConfigBlock(model.tracker, block);
    ASSERT_FALSE(rejection.ok());
    ASSERT_TRUE(rejection.setting);
    EXPECT_EQ(QLatin1StringView(rejection.setting->key), QLatin1StringView(GetParam().control));
    EXPECT_EQ(rejection.text, QLatin1StringView(GetParam().text));
    EXPECT_EQ(rejection.reason, QString::fromUtf8(GetParam().reason));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rules, BuildRejectionTest, ::testing::Values(
    RuleRow{"number_beyond_a_byte", {{"edGpsAcqTime", "256"}}, "edGpsAcqTime", "256",
            "256 does not fit a byte (0 to 255)"},
    RuleRow{"interval_beyond_a_byte", {{"edManualTime", "2555"}}, "edManualTime", "2555",
            "it makes 256 tens of seconds, more than a byte holds (255)"},
    RuleRow{"write_back_needs_more_digits", {{"esSpeedTable(4)", "995"}}, "esSpeedTable(4)", "995",
            "written back as 1000, it needs more than the field's 3 digits"},
    RuleRow{"tx_delay_written_back_too_long", {{"edNumFlagsAuto", "997"}}, "edNumFlagsAuto", "997",
            "written back as 1000, it needs more than the field's 3 digits"},
    RuleRow{"symbol_missing", {{"edSymbol", ""}}, "edSymbol", "_", "the symbol is missing"},
    RuleRow{"ssid_out_of_range", {{"edDestCall", "X-99999"}}, "edDestCall", "X-99999",
            "the SSID \"99999\" after \"-\" is not a whole number from 0 to 32767"},
    RuleRow{"ssid_quoted_as_read", {{"edDestCall", "\t-99999"}}, "edDestCall", "\t-99999",
            "the SSID \"99999\" after \"-\" is not a whole number from 0 to 32767"},
    RuleRow{"second_digipeater_ssid", {{"edAprsPath", "WIDE1-1,WIDE2--2"}}, "edAprsPath",
            "WIDE1-1,WIDE2--2",
            "second digipeater: the SSID \"-2\" after \"-\" is not a whole number from 0 to 32767"},
    RuleRow{"callsign_empty", {{"edMyCall", "   "}}, "edMyCall", "", "the callsign is empty"},
    RuleRow{"first_failure_is_reported", {{"edMyCall", "NOCALL--1"}, {"edMsgRepeat", "300"}},
            "edMsgRepeat", "300", "300 does not fit a byte (0 to 255)"}),
    [](const auto &info) { return std::string(info.param.rule); });
// clang-format on

} // namespace
} // namespace tarvek
