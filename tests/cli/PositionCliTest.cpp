// tarvek-cli position, run as a separate process: the worked examples, the
// reference vectors, the exit codes, and a non-English locale.
#include "WorkedExamples.h"

#include "ReferenceVectors.h"

#include <QByteArray>

#include <gtest/gtest.h>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <ostream>
#include <string>
#include <vector>

extern char **environ;

namespace
{

struct RunResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

std::string ReadAll(int fd)
{
    std::string text;
    char buffer[4096];
    for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<size_t>(n));
    close(fd);
    return text;
}

// The process environment with LC_ALL replaced when locale is not empty.
std::vector<std::string> Environment(const std::string &locale)
{
    std::vector<std::string> env;
    for (char **e = environ; *e != nullptr; ++e) {
        if (locale.empty() || std::string(*e).rfind("LC_ALL=", 0) != 0)
            env.emplace_back(*e);
    }
    if (!locale.empty())
        env.push_back("LC_ALL=" + locale);
    return env;
}

std::vector<char *> Pointers(std::vector<std::string> &texts)
{
    std::vector<char *> pointers;
    for (std::string &text : texts)
        pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

RunResult RunCli(std::vector<std::string> args, const std::string &locale = {})
{
    args.insert(args.begin(), {TARVEK_CLI, "position"});
    std::vector<std::string> env = Environment(locale);
    std::vector<char *> argv = Pointers(args);
    std::vector<char *> envp = Pointers(env);
    int out[2];
    int err[2];
    if (pipe(out) != 0 || pipe(err) != 0)
        return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_adddup2(&actions, err[1], 2);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addclose(&actions, err[0]);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    close(err[1]);
    RunResult result;
    result.out = ReadAll(out[0]);
    result.err = ReadAll(err[0]);
    int status = 0;
    if (spawned == 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status))
        result.exitCode = WEXITSTATUS(status);
    return result;
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
    const RunResult normal = RunCli(Options(row.lat, row.lon, row.seconds, true, ">", false));
    EXPECT_EQ(normal.exitCode, 0) << normal.err;
    EXPECT_EQ(normal.out, row.normal + "\n");
    std::vector<std::string> defaults{"--lat", row.lat, "--lon", row.lon};
    if (row.seconds)
        defaults.emplace_back("--seconds");
    const RunResult compressed = RunCli(defaults);
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
    const RunResult run = RunCli(Options(v.lat, v.lon, v.seconds, v.normal, v.symbol, v.alternate));
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
    const RunResult run = RunCli(GetParam().args);
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
    const RunResult run = RunCli({"--lon", "-151.12.00", "--lat", "-33.52.00", "--normal"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "=3352.00S/15112.00W>\n");
}

TEST(CliOptionsTest, Latin1SymbolIsKept)
{
    const RunResult run = RunCli({"--lat", "0.00.00", "--lon", "0.00.00", "--symbol", "\xC3\xA9"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "=/NN!!NN!!\xC3\xA9  >\n");
}

// Italian writes "," for the decimal point; the output must not change. When
// the locale is not installed the program runs in the C locale instead and
// the test still checks the results.
TEST(CliLocaleTest, ItalianLocaleGivesTheSameTexts)
{
    for (const WorkedExample &row : tarvek::testing::WorkedExamples()) {
        const RunResult run =
            RunCli(Options(row.lat, row.lon, row.seconds, true, ">", false), "it_IT.UTF-8");
        EXPECT_EQ(run.out, row.normal + "\n") << row.name;
    }
}

} // namespace
