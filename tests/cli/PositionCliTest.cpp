// tarvek-cli position, run as a separate process: the worked examples, the
// reference vectors, the exit codes, and a non-English locale.
#include "CliRunner.h"
#include "ReferenceVectors.h"
#include "WorkedExamples.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace
{

struct RunResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// tarvek-cli position with `args`; `locale`, when given, replaces LC_ALL.
RunResult runPosition(const std::vector<std::string> &args, const std::string &locale = {})
{
    QStringList arguments{QStringLiteral("position")};
    for (const std::string &arg : args)
        arguments << QString::fromStdString(arg);
    tarvek::testing::CliEnvironment environment;
    if (!locale.empty())
        environment.append({QStringLiteral("LC_ALL"), QString::fromStdString(locale)});
    const tarvek::testing::CliRun run = tarvek::testing::RunCli(arguments, {}, environment);
    return {run.exitCode, run.out.toStdString(), run.err.toStdString()};
}

std::vector<std::string> Options(const std::string &lat, const std::string &lon, bool seconds,
                                 bool normal, const std::string &symbol, bool alternate)
{
    std::vector<std::string> args{"--lat", lat, "--lon", lon, "--symbol", symbol};
    if (seconds)
        args.emplace_back("--seconds");
    if (normal)
        args.emplace_back("--normal");
    if (alternate)
        args.emplace_back("--alternate");
    return args;
}

using tarvek::testing::WorkedExample;

class CliWorkedExampleTest : public ::testing::TestWithParam<WorkedExample>
{
};

TEST_P(CliWorkedExampleTest, PrintsBothForms)
{
    const WorkedExample &row = GetParam();
    const RunResult normal = runPosition(Options(row.lat, row.lon, row.seconds, true, ">", false));
    EXPECT_EQ(normal.exitCode, 0) << normal.err;
    EXPECT_EQ(normal.out, row.normal + "\n");
    std::vector<std::string> defaults{"--lat", row.lat, "--lon", row.lon};
    if (row.seconds)
        defaults.emplace_back("--seconds");
    const RunResult compressed = runPosition(defaults);
    EXPECT_EQ(compressed.exitCode, 0) << compressed.err;
    EXPECT_EQ(compressed.out, row.compressed + "\n");
    EXPECT_TRUE(compressed.err.empty());
}

INSTANTIATE_TEST_SUITE_P(Table, CliWorkedExampleTest,
                         ::testing::ValuesIn(tarvek::testing::WorkedExamples()),
                         [](const auto &info) { return info.param.name; });

struct Vector {
    std::string name;
    std::string lat;
    std::string lon;
    bool seconds;
    bool normal;
    std::string symbol;
    bool alternate;
    bool valid;
    std::string expected;

    friend void PrintTo(const Vector &row, std::ostream *os) { *os << row.name; }
};

std::vector<Vector> PositionVectors()
{
    std::vector<Vector> vectors;
    for (const QJsonValue &value : tarvek::testing::LoadVectors(QStringLiteral("position.json"))) {
        const QJsonObject c = value.toObject();
        const auto text = [&c](const char *key) {
            return c.value(QLatin1String(key)).toString().toLatin1().toStdString();
        };
        const bool valid = !c.value(QLatin1String("expected")).isNull();
        vectors.push_back({"Case" + std::to_string(vectors.size()), text("lat"), text("lon"),
                           text("notation") == "sec", text("form") == "normal", text("symbol"),
                           c.value(QLatin1String("alternate")).toBool(), valid, text("expected")});
    }
    return vectors;
}

TEST(CliVectorsTest, AllSixtyLoad)
{
    EXPECT_EQ(PositionVectors().size(), 60u);
}

class CliVectorTest : public ::testing::TestWithParam<Vector>
{
};

TEST_P(CliVectorTest, MatchesReference)
{
    const Vector &v = GetParam();
    const RunResult run =
        runPosition(Options(v.lat, v.lon, v.seconds, v.normal, v.symbol, v.alternate));
    if (v.valid) {
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.out, v.expected + "\n");
    } else {
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.out.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Reference, CliVectorTest, ::testing::ValuesIn(PositionVectors()),
                         [](const auto &info) { return info.param.name; });

struct ExitRow {
    std::string name;
    std::vector<std::string> args;
    int exitCode;

    friend void PrintTo(const ExitRow &row, std::ostream *os) { *os << row.name; }
};

class CliExitCodeTest : public ::testing::TestWithParam<ExitRow>
{
};

TEST_P(CliExitCodeTest, FailsWithMessageAndNoOutput)
{
    const RunResult run = runPosition(GetParam().args);
    EXPECT_EQ(run.exitCode, GetParam().exitCode);
    EXPECT_TRUE(run.out.empty());
    EXPECT_FALSE(run.err.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CliExitCodeTest,
    ::testing::Values(
        ExitRow{"InvalidLatitude", {"--lat", "45.60.00", "--lon", "0.00.00"}, 1},
        ExitRow{"InvalidLongitude", {"--lat", "0.00.00", "--lon", "180.00.01"}, 1},
        ExitRow{"OtherAxisLetter", {"--lat", "E45.30.30", "--lon", "0.00.00"}, 1},
        ExitRow{
            "HundredthsAreNoSeconds", {"--lat", "45.30.75", "--lon", "0.00.00", "--seconds"}, 1},
        ExitRow{"NonLatin1Text", {"--lat", "45.30.50\xE2\x82\xAC", "--lon", "0.00.00"}, 1},
        ExitRow{"MissingLat", {"--lon", "0.00.00"}, 2},
        ExitRow{"MissingLon", {"--lat", "0.00.00"}, 2},
        ExitRow{"LatWithoutValue", {"--lon", "0.00.00", "--lat"}, 2},
        ExitRow{"UnknownOption", {"--lat", "0.00.00", "--lon", "0.00.00", "--cent"}, 2},
        ExitRow{"StrayArgument", {"--lat", "0.00.00", "--lon", "0.00.00", "x"}, 2},
        ExitRow{"RepeatedLat", {"--lat", "0.00.00", "--lat", "1.00.00", "--lon", "0.00.00"}, 2},
        ExitRow{
            "TwoCharacterSymbol", {"--lat", "0.00.00", "--lon", "0.00.00", "--symbol", ">>"}, 2},
        ExitRow{"EmptySymbol", {"--lat", "0.00.00", "--lon", "0.00.00", "--symbol", ""}, 2},
        ExitRow{"InvalidTextAndUsageError", {"--lat", "x", "--lon", "0.00.00", "--bogus"}, 2}),
    [](const auto &info) { return info.param.name; });

TEST(CliOptionsTest, NegativeTextIsAValueNotAnOption)
{
    const RunResult run = runPosition({"--lon", "-151.12.00", "--lat", "-33.52.00", "--normal"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "=3352.00S/15112.00W>\n");
}

// Any printable Windows-1252 character, as the window's symbol field takes:
// "é" (Latin-1) and "€" (0x80, beyond Latin-1).
TEST(CliOptionsTest, SingleByteSymbolIsKept)
{
    for (const std::string symbol : {"\xC3\xA9", "\xE2\x82\xAC"}) {
        const RunResult run =
            runPosition({"--lat", "0.00.00", "--lon", "0.00.00", "--symbol", symbol});
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.out, "=/NN!!NN!!" + symbol + "  >\n");
    }
}

// Italian writes "," for the decimal point; the output must not change. When
// the locale is not installed the program runs in the C locale instead and
// the test still checks the results.
TEST(CliLocaleTest, ItalianLocaleGivesTheSameTexts)
{
    for (const WorkedExample &row : tarvek::testing::WorkedExamples()) {
        const RunResult run =
            runPosition(Options(row.lat, row.lon, row.seconds, true, ">", false), "it_IT.UTF-8");
        EXPECT_EQ(run.out, row.normal + "\n") << row.name;
    }
}

} // namespace
