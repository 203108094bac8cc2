// The upload sequence against a recording port: every step in order, and
// what each failure leaves behind.
#include "RecordingPort.h"
#include "Upload.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <chrono>

using namespace tarvek::config;
using namespace tarvek::serial;

namespace tarvek
{
namespace
{

using namespace Qt::StringLiterals;

using testing::RecordingHooks;
using testing::RecordingPort;
using testing::RecordingView;

ConfigBlock SampleBlock()
{
    ConfigBlock block{};
    for (int i = 0; i < kConfigBlockSize; ++i)
        block[i] = std::uint8_t(i * 7);
    return block;
}

const QString kProgress = QStringLiteral("\r\nSending data on COM1...");

TEST(UploadSequence, StepsPausesAndTextsInOrder)
{
    QStringList log;
    RecordingPort port(log);
    RecordingView view(log);
    const ConfigBlock block = SampleBlock();

    const UploadResult result =
        uploadConfigBlock(block, QStringLiteral("1"), port, view, RecordingHooks(log));

    EXPECT_EQ(result.outcome, UploadOutcome::Sent);
    const QStringList expected = {
        u"port 1"_s,
        u"open"_s,
        u"text "_s + kProgress,
        u"ok hidden"_s,
        u"show"_s,
        u"events"_s,
        u"sleep 400"_s,
        u"append ."_s,
        u"events"_s,
        u"write 2"_s,
        u"sleep 10"_s,
        u"write 58"_s,
        u"sleep 500"_s,
        u"append ."_s,
        u"events"_s,
        u"write 2"_s,
        u"sleep 10"_s,
        u"write 58"_s,
        u"sleep 500"_s,
        u"append ."_s,
        u"events"_s,
        u"close"_s,
        u"sleep 400"_s,
        u"text Data sent !\r\n Be shure that the word '*OK*' appears on LCD"_s,
        u"ok shown"_s};
    EXPECT_EQ(log, expected);
    ASSERT_EQ(port.written.size(), 4);
    EXPECT_EQ(port.written[0] + port.written[1] + port.written[2] + port.written[3],
              buildWire(block));
    EXPECT_FALSE(port.isOpen());
    EXPECT_TRUE(view.okVisible);
}

TEST(UploadSequence, ProgressShowsThePortTextAsTypedAndSixDots)
{
    QStringList log;
    RecordingPort port(log);
    RecordingView view(log);
    // The dots are checked just before the final text replaces them.
    UploadHooks hooks = RecordingHooks(log);
    QString beforeClose;
    hooks.sleep = [&](int ms) {
        if (ms == pause::kAfterClose)
            beforeClose = view.text;
    };
    ASSERT_EQ(uploadConfigBlock(SampleBlock(), QStringLiteral("03"), port, view, hooks).outcome,
              UploadOutcome::Sent);
    EXPECT_EQ(log.first(), QStringLiteral("port 3"));
    EXPECT_EQ(beforeClose, QStringLiteral("\r\nSending data on COM03......"));
}

TEST(UploadSequence, PortThatStaysClosedEndsQuietly)
{
    QStringList log;
    RecordingPort port(log);
    port.staysClosed = true;
    RecordingView view(log);
    const UploadResult result =
        uploadConfigBlock(SampleBlock(), QStringLiteral("1"), port, view, RecordingHooks(log));
    EXPECT_EQ(result.outcome, UploadOutcome::NotOpened);
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(log, QStringList({u"port 1"_s, u"open"_s}));
    EXPECT_FALSE(view.shown);
}

// The pause after a write is the tracker's time to get ready: by the
// monotonic clock it is never shorter than asked, also for pauses below the
// system timer's step (Windows' Sleep may end early there).
TEST(UploadPause, NeverEndsEarly)
{
    using Clock = std::chrono::steady_clock;
    for (int round = 0; round < 4; ++round) {
        for (const int ms : {1, 2, 5, pause::kAfterPreamble, 15}) {
            const Clock::time_point start = Clock::now();
            blockingHooks().sleep(ms);
            EXPECT_GE(Clock::now() - start, std::chrono::milliseconds(ms)) << ms << " ms";
        }
    }
}

struct FailureCase {
    const char *name;
    const char *portText;
    const char *failAt;
    const char *description;
    int writes; // writes that reached the port
    bool dialogShown;
    int dots; // dots after "COM1..." when it failed
};

class UploadFailure : public ::testing::TestWithParam<FailureCase>
{
};

// Whatever fails, the remaining steps are skipped, the error's description
// is returned, the port ends closed and the dialog keeps its progress text
// without its OK button.
TEST_P(UploadFailure, SkipsTheRestAndClosesThePort)
{
    const FailureCase &c = GetParam();
    QStringList log;
    RecordingPort port(log);
    port.failAt = QString::fromLatin1(c.failAt);
    RecordingView view(log);

    const UploadResult result = uploadConfigBlock(SampleBlock(), QString::fromLatin1(c.portText),
                                                  port, view, RecordingHooks(log));

    EXPECT_EQ(result.outcome, UploadOutcome::Failed);
    EXPECT_EQ(result.reason, QString::fromLatin1(c.description));
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(log.last(), QStringLiteral("close"));
    EXPECT_EQ(port.written.size(), c.writes);
    EXPECT_EQ(view.shown, c.dialogShown);
    if (c.dialogShown) {
        EXPECT_FALSE(view.okVisible);
        EXPECT_EQ(view.text, kProgress + QString(c.dots, u'.'));
    }
}

INSTANTIATE_TEST_SUITE_P(
    AtEachStep, UploadFailure,
    ::testing::Values(
        FailureCase{"PortZero", "0", "", "Invalid port number", 0, false, 0},
        FailureCase{"EmptyField", "_", "", "Invalid port number", 0, false, 0},
        FailureCase{"PortRefused", "1", "port", "port refused", 0, false, 0},
        FailureCase{"PortInUse", "1", "open", "Serial port /dev/x is in use by another program", 0,
                    false, 0},
        FailureCase{"FirstPreamble", "1", "write1", "Serial port /dev/x is gone", 1, true, 1},
        FailureCase{"FirstFrame", "1", "write2", "Serial port /dev/x is gone", 2, true, 1},
        FailureCase{"SecondPreamble", "1", "write3", "Serial port /dev/x is gone", 3, true, 2},
        FailureCase{"SecondFrame", "1", "write4", "Serial port /dev/x is gone", 4, true, 2}),
    [](const ::testing::TestParamInfo<FailureCase> &info) { return info.param.name; });

} // namespace
} // namespace tarvek
