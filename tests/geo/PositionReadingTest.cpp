// Reading a GPSless position text back: both forms as the calculator writes
// them, and the texts that only look like one.
#include "PositionReading.h"

#include <gtest/gtest.h>

#include <string>

namespace tarvek::geo
{
namespace
{

struct ReadCase {
    const char *name;
    std::string text;
    PositionForm form;
    char table;
    char symbol;
    double latitude; // worked out by hand from the text
    double longitude;
    double tolerance; // the form's resolution
};

class ReadsAPosition : public ::testing::TestWithParam<ReadCase>
{
};

TEST_P(ReadsAPosition, GivesFormTableSymbolAndDegrees)
{
    const ReadCase &c = GetParam();
    const auto read = readPositionText(c.text);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->form, c.form);
    EXPECT_EQ(read->tableId, c.table);
    EXPECT_EQ(read->symbolCode, c.symbol);
    EXPECT_NEAR(read->latitude, c.latitude, c.tolerance);
    EXPECT_NEAR(read->longitude, c.longitude, c.tolerance);
}

constexpr double kHundredth = 1.0 / 6000; // 0.01 minute
constexpr double kBase91Unit = 1.0 / 190463;

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadsAPosition,
    ::testing::Values(ReadCase{"normal", "=4530.50N/01152.34E>", PositionForm::Normal, '/', '>',
                               45.508333, 11.872333, kHundredth},
                      ReadCase{"normal_south_west_alternate", "=3352.00S\\15112.00Wk",
                               PositionForm::Normal, '\\', 'k', -33.866667, -151.2, kHundredth},
                      ReadCase{"normal_text_after_it", "!9000.00N/18000.00E>Max 9",
                               PositionForm::Normal, '/', '>', 90, 180, kHundredth},
                      ReadCase{"compressed", "=/7MY,QN&i>  >", PositionForm::Compressed, '/', '>',
                               45.508333, 11.872333, kBase91Unit},
                      ReadCase{"compressed_south_west", "=/_Xop(:EE>  >", PositionForm::Compressed,
                               '/', '>', -33.866667, -151.2, kBase91Unit},
                      ReadCase{"compressed_zero_exactly", "=/NN!!NN!!>  >",
                               PositionForm::Compressed, '/', '>', 0, 0, 0},
                      ReadCase{"compressed_corner_alternate", "!\\{{!!!!!!k  >text",
                               PositionForm::Compressed, '\\', 'k', -90, -180, 0}),
    [](const auto &info) { return std::string(info.param.name); });

struct NoPositionCase {
    const char *name;
    std::string text;
};

class ReadsNoPosition : public ::testing::TestWithParam<NoPositionCase>
{
};

TEST_P(ReadsNoPosition, ForATextThatOnlyLooksLikeOne)
{
    EXPECT_FALSE(readPositionText(GetParam().text).has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadsNoPosition,
    ::testing::Values(NoPositionCase{"status_text", "Tarvek, ver3.0, by QX0ZZZ Max"},
                      NoPositionCase{"empty", ""},
                      NoPositionCase{"other_identifier", ">4530.50N/01152.34E>"},
                      NoPositionCase{"sixty_minutes", "=4560.00N/01152.34E>"},
                      NoPositionCase{"beyond_ninety", "=9000.01N/01152.34E>"},
                      NoPositionCase{"beyond_180", "=4530.50N/18000.01E>"},
                      NoPositionCase{"comma_for_point", "=4530,50N/01152.34E>"},
                      NoPositionCase{"no_hemisphere", "=4530.50X/01152.34E>"},
                      NoPositionCase{"overlay_table", "=4530.50NA01152.34E>"},
                      NoPositionCase{"no_symbol", "=4530.50N/01152.34E "},
                      NoPositionCase{"normal_cut_short", "=4530.50N/01152.34E"},
                      NoPositionCase{"compressed_cut_short", "=/7MY,QN&i>  "},
                      NoPositionCase{"compressed_digit_beyond_base91", "=/|MY,QN&i>  >"},
                      NoPositionCase{"compressed_beyond_90", "=/{{!\"NN!!>  >"},
                      NoPositionCase{"compressed_control_character", "=/7MY,QN&i> \t>"}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace tarvek::geo
