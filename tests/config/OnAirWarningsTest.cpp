// Settings that SEND takes but that go wrong on the air: each rule warns for
// one text and keeps quiet for a close one; a real callsign with the factory
// defaults gives no warning at all.
#include "ControlAccess.h"
#include "OnAirWarnings.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using namespace tarvek::config;

namespace
{

using Writes = std::vector<std::pair<const char *, const char *>>;

// The factory defaults with a real callsign, then `writes` in order.
class Settings
{
public:
    explicit Settings(const Writes &writes)
    {
        loadDefaults(m_model.tracker);
        write("edMyCall", "IU0ABC-9");
        for (const auto &[name, value] : writes)
            write(name, value);
    }

    void write(const char *name, const char *value)
    {
        const auto control = findControl(m_model, QString::fromLatin1(name));
        ASSERT_TRUE(control) << name;
        ASSERT_TRUE(writeControl(*control, QString::fromUtf8(value)).ok()) << name << value;
    }

    // The reasons given for `control`.
    QStringList reasonsFor(const char *control) const { return warningsFor(control, false); }
    // "TEXT: REASON" for each warning of `control`.
    QStringList linesFor(const char *control) const { return warningsFor(control, true); }

private:
    QStringList warningsFor(const char *control, bool withText) const
    {
        QStringList lines;
        for (const OnAirWarning &warning : onAirWarnings(m_model.tracker)) {
            if (warning.setting->key == QLatin1StringView(control))
                lines << (withText ? warning.text + QStringLiteral(": ") : QString()) +
                             warning.reason;
        }
        return lines;
    }

    SettingsModel m_model;
};

struct RuleCase {
    const char *name;
    Writes warns; // these writes make the rule warn ...
    Writes quiet; // ... and these close ones do not
    const char *control;
    const char *rule;   // a phrase every reason of the rule has
    const char *detail; // and one the warning of this case has
};

class OnAirRule : public ::testing::TestWithParam<RuleCase>
{
};

TEST_P(OnAirRule, WarnsForOneTextAndNotForACloseOne)
{
    const RuleCase &c = GetParam();
    const QString rule = QString::fromUtf8(c.rule);
    const QStringList warned = Settings(c.warns).reasonsFor(c.control).filter(rule);
    ASSERT_EQ(warned.size(), 1) << qPrintable(warned.join(u'\n'));
    EXPECT_TRUE(warned[0].contains(QString::fromUtf8(c.detail))) << qPrintable(warned[0]);
    const QStringList quiet = Settings(c.quiet).reasonsFor(c.control).filter(rule);
    EXPECT_TRUE(quiet.isEmpty()) << qPrintable(quiet.join(u'\n'));
}

constexpr char kGpsless[] = "000";
constexpr char kNormal[] = "=4530.50N/01152.34E>";

// One row a rule, clang-format would put every member on a line of its own.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Callsigns, OnAirRule,
    ::testing::Values(
        RuleCase{"placeholder_any_ssid", {{"callsign", "NOCALL-7"}}, {{"callsign", "NOCALM-7"}},
                 "edMyCall", "is a placeholder", "\"NOCALL\""},
        RuleCase{"placeholder_with_zero", {{"callsign", "N0CALL"}}, {{"callsign", "N0CAL"}},
                 "edMyCall", "is a placeholder", "\"N0CALL\""},
        RuleCase{"callsign_characters", {{"callsign", "IU0/AB-9"}}, {{"callsign", "IU0AB-9"}},
                 "edMyCall", "takes upper-case letters", "holds \"/\""},
        RuleCase{"callsign_lower_case", {{"callsign", "IU0aBC"}}, {{"callsign", "IU0ABC"}},
                 "edMyCall", "takes upper-case letters", "holds \"a\""},
        RuleCase{"callsign_too_long", {{"callsign", "ABCDEFG-1"}}, {{"callsign", "ABCDEF-1"}},
                 "edMyCall", "an AX.25 address holds 6", "SEND writes \"ABCDEF-1\""},
        RuleCase{"ssid_above_15", {{"callsign", "IZ9ABC-16"}}, {{"callsign", "IZ9ABC-15"}},
                 "edMyCall", "the SSID", "transmits SSID 0 and SEND writes \"IZ9ABC\""},
        RuleCase{"ssid_not_whole", {{"callsign", "IZ9AB-3.5"}}, {{"callsign", "IZ9AB-03"}},
                 "edMyCall", "the SSID", "transmits SSID 4"},
        RuleCase{"destination_too_long", {{"msg-to", "ABCDEFGH"}}, {{"msg-to", "NOCALL"}},
                 "edDestCall", "an AX.25 address holds 6", "SEND writes \"ABCDEF\""},
        RuleCase{"destination_ssid", {{"msg-to", "IU0XYZ-16"}}, {{"msg-to", "IU0XYZ-7"}},
                 "edDestCall", "the SSID", "transmits SSID 0"},
        RuleCase{"destination_characters", {{"msg-to", "IU0.XY"}}, {{"msg-to", ""}},
                 "edDestCall", "takes upper-case letters", "holds \".\""}),
    [](const auto &info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Paths, OnAirRule,
    ::testing::Values(
        RuleCase{"relay", {{"path", "RELAY,WIDE2-2"}}, {{"path", "WIDE1-1,WIDE2-2"}},
                 "edAprsPath", "is obsolete", "\"RELAY\""},
        RuleCase{"trace_n", {{"path", "TRACE2-2"}}, {{"path", "WIDE2-2"}},
                 "edAprsPath", "is obsolete", "use WIDE2-2, which they trace"},
        RuleCase{"n_above_7", {{"path", "WIDE8-1"}}, {{"path", "WIDE7-1"}},
                 "edAprsPath", "non-standard", "\"WIDE8-1\""},
        RuleCase{"more_left_than_asked", {{"path", "WIDE2-3"}}, {{"path", "WIDE2-2"}},
                 "edAprsPath", "non-standard", "\"WIDE2-3\""},
        RuleCase{"bare_wide_n", {{"path", "WIDE1-1,WIDE2"}}, {{"path", "WIDE1-1,WIDE2-1"}},
                 "edAprsPath", "already used up", "is WIDE2-0"},
        RuleCase{"three_hops_asked", {{"path", "WIDE3-3"}}, {{"path", "WIDE2-2"}},
                 "edAprsPath", "cut it to one hop", "asks for 3 hops"},
        RuleCase{"four_hops_in_all", {{"path", "WIDE2-2,WIDE2-2"}}, {{"path", "WIDE1-1,WIDE2-2"}},
                 "edAprsPath", "hops in all", "4 hops in all"},
        RuleCase{"explicit_digipeaters_count", {{"path", "IR0ABC,WIDE2-3"}}, {{"path", "IR0ABC"}},
                 "edAprsPath", "hops in all", "4 hops in all"},
        RuleCase{"fill_in_later", {{"path", "WIDE2-1,WIDE1-1"}}, {{"path", "WIDE1-1,WIDE2-1"}},
                 "edAprsPath", "put WIDE1-1 first", "\"WIDE1-1\" after"},
        RuleCase{"third_digipeater", {{"path", "WIDE1-1,WIDE2-1,X"}}, {{"path", "WIDE1-1,WIDE2-1"}},
                 "edAprsPath", "only two digipeaters go out", "\"X\" after the second"},
        RuleCase{"empty_digipeater", {{"path", "WIDE2-2,"}}, {{"path", "WIDE2-2"}},
                 "edAprsPath", "empty digipeater", "six spaces"},
        RuleCase{"digipeater_ssid", {{"path", "IR0ABC-16"}}, {{"path", "IR0ABC-15"}},
                 "edAprsPath", "the SSID", "SEND writes \"IR0ABC\""},
        RuleCase{"digipeater_characters", {{"path", "WIDE 1-1"}}, {{"path", "WIDE1-1"}},
                 "edAprsPath", "takes upper-case letters", "holds \" \""}),
    [](const auto &info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Intervals, OnAirRule,
    ::testing::Values(
        RuleCase{"speed_band", {{"speed-0-3", "0050"}}, {{"speed-0-3", "0060"}},
                 "esSpeedTable(0)", "once a minute", "every 50 s (72 an hour)"},
        RuleCase{"after_rounding", {{"speed-over-125", "054"}}, {{"speed-over-125", "055"}},
                 "esSpeedTable(6)", "once a minute", "every 50 s"},
        RuleCase{"raised_to_ten", {{"speed-4-9", "0003"}}, {{"speed-4-9", "0600"}},
                 "esSpeedTable(1)", "once a minute", "every 10 s"},
        RuleCase{"manual", {{"manual-interval", "0030"}}, {{"manual-interval", "0120"}},
                 "edManualTime", "once a minute", "every 30 s"}),
    [](const auto &info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    StatusTexts, OnAirRule,
    ::testing::Values(
        RuleCase{"gpsless_without_position", {{"gps-timeout", kGpsless}},
                 {{"gps-timeout", kGpsless}, {"status", kNormal}},
                 "edBeacon", "does not begin with one", "Calculate GPSless Bcn"},
        RuleCase{"gpsless_other_symbol",
                 {{"gps-timeout", kGpsless}, {"status", kNormal}, {"symbol", "k"}},
                 {{"gps-timeout", kGpsless}, {"status", "=4530.50N/01152.34Ek"}, {"symbol", "k"}},
                 "edBeacon", "Alternate Table choose", "shows \">\" in table \"/\" (Car)"},
        RuleCase{"gpsless_other_table",
                 {{"gps-timeout", kGpsless}, {"status", "=/7MY,QN&i>  >"}, {"alternate-table", "1"}},
                 {{"gps-timeout", kGpsless}, {"status", "=\\7MY,QN&i>  >"}, {"alternate-table", "1"}},
                 "edBeacon", "Alternate Table choose", "choose \">\" in table \"\\\" (Car with overlay)"},
        RuleCase{"gpsless_zero", {{"gps-timeout", kGpsless}, {"status", "=/NN!!NN!!>  >"}},
                 {{"gps-timeout", kGpsless}, {"status", "=0000.01N/00000.00E>"}},
                 "edBeacon", "\"no position\"", "off West Africa"},
        RuleCase{"reserved_bar", {{"status", "Max|home"}}, {{"status", "Max/home"}},
                 "edBeacon", "in status reports", "\"|\""},
        RuleCase{"reserved_tilde_in_normal_mode_only", {{"status", "=4530.50N/01152.34E>~"}},
                 {{"gps-timeout", kGpsless}, {"status", "=4530.50N/01152.34E>~"}},
                 "edBeacon", "in status reports", "\"~\""}),
    [](const auto &info) { return std::string(info.param.name); });
// clang-format on

TEST(OnAirWarnings, RealCallsignAndDefaultsGiveNone)
{
    SettingsModel model;
    loadDefaults(model.tracker);
    const std::vector<OnAirWarning> factory = onAirWarnings(model.tracker);
    ASSERT_EQ(factory.size(), 1u);
    EXPECT_EQ(factory[0].setting->key, QLatin1StringView("edMyCall"));
    EXPECT_EQ(factory[0].text, u"NOCALL-9");
    ASSERT_TRUE(model.tracker.callsign.setText(QStringLiteral("IU0ABC-9")));
    EXPECT_TRUE(onAirWarnings(model.tracker).empty());
}

TEST(OnAirWarnings, EachObsoleteElementIsNamedWithTheWholePathAsItsText)
{
    const QStringList lines = Settings(Writes{{"path", "RELAY,WIDE"}}).linesFor("edAprsPath");
    EXPECT_EQ(lines.filter(QStringLiteral("RELAY,WIDE: \"RELAY\" is obsolete")).size(), 1);
    EXPECT_EQ(lines.filter(QStringLiteral("RELAY,WIDE: \"WIDE\" is obsolete")).size(), 1);
}

} // namespace
