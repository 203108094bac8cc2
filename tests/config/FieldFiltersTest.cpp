#include "FieldFilters.h"

#include <gtest/gtest.h>

#include <functional>

namespace
{

using Filter = std::function<void(int &)>;

struct KeyRow {
    const char *name;
    Filter filter;
    int typed;
    int expected; // 0: dropped
};

const Filter kCallsign = [](int &c) { tarvek::config::filterCallsignKey(c); };
const Filter kPath = [](int &c) { tarvek::config::filterPathKey(c); };
const Filter kMessage = [](int &c) { tarvek::config::filterMessageKey(c); };
const Filter kStatusNormal = [](int &c) {
    tarvek::config::filterStatusTextKey(c, QStringLiteral("025"));
};
const Filter kStatusGpsless = [](int &c) {
    tarvek::config::filterStatusTextKey(c, QStringLiteral("000"));
};
const Filter kCoordinate = [](int &c) { tarvek::config::filterCoordinateKey(c); };

class KeyFilterTest : public ::testing::TestWithParam<KeyRow>
{
};

TEST_P(KeyFilterTest, ReplacesOrDropsTheCode)
{
    int code = GetParam().typed;
    GetParam().filter(code);
    EXPECT_EQ(code, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, KeyFilterTest,
    ::testing::Values(
        KeyRow{"CallSmallA", kCallsign, 'a', 'A'}, KeyRow{"CallSmallZ", kCallsign, 'z', 'Z'},
        KeyRow{"CallCapital", kCallsign, 'Q', 'Q'}, KeyRow{"CallDigit", kCallsign, '1', '1'},
        KeyRow{"CallDash", kCallsign, '-', '-'}, KeyRow{"CallBackspace", kCallsign, 8, 8},
        KeyRow{"CallSlash", kCallsign, '/', 0}, KeyRow{"CallStar", kCallsign, '*', 0},
        KeyRow{"CallBlank", kCallsign, ' ', 0}, KeyRow{"CallComma", kCallsign, ',', 0},
        KeyRow{"CallAccented", kCallsign, 0xE0, 0},
        KeyRow{"CallBeyondCodePage", kCallsign, 0x105, 0}, KeyRow{"CallNegative", kCallsign, -1, 0},
        KeyRow{"PathComma", kPath, ',', ','}, KeyRow{"PathSmall", kPath, 'w', 'W'},
        KeyRow{"PathBlank", kPath, ' ', 0}, KeyRow{"PathBackspace", kPath, 8, 8},
        KeyRow{"MsgCloseBrace", kMessage, '}', '}'}, KeyRow{"MsgOpenBrace", kMessage, '{', 0},
        KeyRow{"MsgBar", kMessage, '|', 0}, KeyRow{"MsgTilde", kMessage, '~', 0},
        KeyRow{"MsgDel", kMessage, 127, 0}, KeyRow{"MsgAccented", kMessage, 0xE8, 0},
        KeyRow{"MsgEuro", kMessage, 0x80, 0}, KeyRow{"MsgBeyondCodePage", kMessage, 0x105, 0},
        KeyRow{"MsgSmallKeepsCase", kMessage, 'a', 'a'},
        KeyRow{"MsgApostrophe", kMessage, '\'', '\''}, KeyRow{"MsgBackspace", kMessage, 8, 8},
        KeyRow{"NormalApostrophe", kStatusNormal, '\'', 0},
        KeyRow{"NormalGrave", kStatusNormal, '`', 0},
        KeyRow{"NormalOpenBrace", kStatusNormal, '{', 0},
        KeyRow{"NormalBar", kStatusNormal, '|', 0},
        KeyRow{"NormalCloseBrace", kStatusNormal, '}', 0},
        KeyRow{"NormalTilde", kStatusNormal, '~', 0},
        KeyRow{"NormalSmallKeepsCase", kStatusNormal, 'x', 'x'},
        KeyRow{"NormalSlash", kStatusNormal, '/', '/'},
        KeyRow{"NormalBackspace", kStatusNormal, 8, 8},
        KeyRow{"NormalAccented", kStatusNormal, 0xE9, 0},
        KeyRow{"GpslessApostrophe", kStatusGpsless, '\'', '\''},
        KeyRow{"GpslessGrave", kStatusGpsless, '`', '`'},
        KeyRow{"GpslessOpenBrace", kStatusGpsless, '{', '{'},
        KeyRow{"GpslessBar", kStatusGpsless, '|', 0},
        KeyRow{"GpslessCloseBrace", kStatusGpsless, '}', 0},
        KeyRow{"GpslessTilde", kStatusGpsless, '~', 0},
        KeyRow{"GpslessDel", kStatusGpsless, 127, 0},
        KeyRow{"GpslessBeyondCodePage", kStatusGpsless, 0x2022, 0},
        KeyRow{"CoordDot", kCoordinate, '.', '.'}, KeyRow{"CoordNine", kCoordinate, '9', '9'},
        KeyRow{"CoordPercent", kCoordinate, '%', '%'},
        KeyRow{"CoordApostrophe", kCoordinate, '\'', '\''},
        KeyRow{"CoordBackspace", kCoordinate, 8, 8}, KeyRow{"CoordMinus", kCoordinate, '-', 0},
        KeyRow{"CoordPlus", kCoordinate, '+', 0}, KeyRow{"CoordNorth", kCoordinate, 'N', 0},
        KeyRow{"CoordNegative", kCoordinate, -1, 0}),
    [](const auto &info) { return std::string(info.param.name); });

// How many of the codes 0 to 300 a filter lets through: a wrong bound
// anywhere in a range shows up here even where no row above looks.
int AcceptedCount(const Filter &filter)
{
    int accepted = 0;
    for (int code = 0; code <= 300; ++code) {
        int c = code;
        filter(c);
        if (c != 0)
            ++accepted;
    }
    return accepted;
}

TEST(KeyFilterRanges, AcceptExactlyTheirCharacterSets)
{
    // Backspace, "-", 10 digits, 26 capitals, 26 small letters.
    EXPECT_EQ(AcceptedCount(kCallsign), 64);
    EXPECT_EQ(AcceptedCount(kPath), 65);
    // 1 to 125 without "{" and "|".
    EXPECT_EQ(AcceptedCount(kMessage), 123);
    // 1 to 123.
    EXPECT_EQ(AcceptedCount(kStatusGpsless), 123);
    // 1 to 122 without "'" and "`".
    EXPECT_EQ(AcceptedCount(kStatusNormal), 120);
    // Backspace, ".", 10 digits, "%" and "'".
    EXPECT_EQ(AcceptedCount(kCoordinate), 14);
}

struct ModeRow {
    const char *name;
    const char *text;
    bool gpsless;
};

class GpslessModeTest : public ::testing::TestWithParam<ModeRow>
{
};

TEST_P(GpslessModeTest, ReadsTheLeadingNumber)
{
    EXPECT_EQ(tarvek::config::isGpslessMode(QString::fromLatin1(GetParam().text)),
              GetParam().gpsless);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, GpslessModeTest,
    ::testing::Values(ModeRow{"Zeros", "000", true}, ModeRow{"Default", "025", false},
                      ModeRow{"ZeroThenBlanks", "0__", true}, ModeRow{"ZeroThenTwo", "02_", false},
                      ModeRow{"AllBlank", "___", true}, ModeRow{"Empty", "", true},
                      ModeRow{"BlankThenDigit", "_25", true}, ModeRow{"Max", "255", false},
                      ModeRow{"One", "001", false}, ModeRow{"OneThenBlanks", "1__", false}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(StatusTextFilter, FollowsTheTimeoutTextOfEachKeystroke)
{
    int code = '{';
    tarvek::config::filterStatusTextKey(code, QStringLiteral("0__"));
    EXPECT_EQ(code, '{');
    code = '{';
    tarvek::config::filterStatusTextKey(code, QStringLiteral("02_"));
    EXPECT_EQ(code, 0);
}

TEST(CounterText, ShowsWhatIsLeft)
{
    EXPECT_EQ(tarvek::config::counterText(38, 0), QStringLiteral("[38]"));
    EXPECT_EQ(tarvek::config::counterText(29, 29), QStringLiteral("[0]"));
    EXPECT_EQ(tarvek::config::counterText(29, 4), QStringLiteral("[25]"));
}

} // namespace
