// The upload through the real serial code to a pseudo-terminal, read on the
// far end with the time each byte arrived: the exact bytes, the pauses
// between them, a port held by someone else and a far end that goes away.
#include "BlockBuilder.h"
#include "ControlAccess.h"
#include "PtyPair.h"
#include "RecordingPort.h"
#include "SystemSerialPort.h"
#include "Upload.h"

#include <QSerialPort>

#include "QtPrinters.h"
#include "ReferenceVectors.h"
#include "Unprivileged.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

using namespace tarvek::config;
using namespace tarvek::serial;

namespace tarvek
{
namespace
{

using namespace Qt::StringLiterals;
using testing::Clock;
using testing::MillisBetween;
using testing::PtyPair;
using testing::RecordingView;

// Scheduling noise allowed below a pause, in milliseconds. Only lower bounds
// are checked: a busy machine may stretch a pause, never shorten it.
constexpr double kShortTolerance = 5;
constexpr double kLongTolerance = 15;

SystemSerialPort::Resolver To(const QString &device)
{
    return [device](int) { return PortLookup{device, QString()}; };
}

struct Vector {
    QList<QPair<QString, QString>> writes;
    QByteArray wire;
};

// A case of the reference uploads, by name.
Vector ReferenceCase(const QString &name)
{
    for (const QJsonValue &entry : testing::LoadVectors(u"upload_vectors.json"_s)) {
        const QJsonObject c = entry.toObject();
        if (c[u"name"_s].toString() == name)
            return {testing::VectorWrites(c),
                    QByteArray::fromHex(c[u"wire"_s].toString().toLatin1())};
    }
    return {};
}

struct UploadCase {
    const char *name;
    const char *reference; // reference case applied over the defaults, or ""
    const char *wireHex;   // expected bytes when there is no reference case
};

class TtyUpload : public ::testing::TestWithParam<UploadCase>
{
};

// Both uploads: every byte, in order, nothing more; each frame handed to the
// system at its step (so it arrives a pause after its preamble, not with the
// next burst), and the pauses of the sequence between the bursts.
TEST_P(TtyUpload, ExactBytesWithThePauses)
{
    const UploadCase &c = GetParam();
    SettingsModel model;
    loadDefaults(model.tracker);
    QByteArray expected = QByteArray::fromHex(c.wireHex);
    if (*c.reference) {
        const Vector v = ReferenceCase(QString::fromLatin1(c.reference));
        ASSERT_FALSE(v.wire.isEmpty());
        for (const auto &[name, value] : v.writes)
            ASSERT_TRUE(writeControl(*findControl(model, name), value).ok());
        expected = v.wire;
    }
    ConfigBlock block{};
    ASSERT_TRUE(buildConfigBlock(model.tracker, block).ok());

    // The far end timestamps each read; a reader thread woken late on a busy
    // machine merges two bursts into one read. So the bytes must be exact on
    // every attempt, while the timing gets up to three attempts.
    QString timing;
    for (int attempt = 0; attempt < 3; ++attempt) {
        PtyPair pty;
        ASSERT_TRUE(pty.isValid());
        SystemSerialPort port(To(pty.device()));
        QStringList log;
        RecordingView view(log);
        const Clock::time_point start = Clock::now();
        const UploadResult result = uploadConfigBlock(block, u"1"_s, port, view, blockingHooks());
        const double elapsed = MillisBetween(start, Clock::now());

        ASSERT_EQ(result.outcome, UploadOutcome::Sent) << qPrintable(result.reason);
        EXPECT_FALSE(port.isOpen());
        ASSERT_TRUE(pty.waitFor(120, std::chrono::milliseconds(500)));
        ASSERT_EQ(pty.received().toHex(), expected.toHex());
        EXPECT_GE(elapsed, double(pause::kTotal));

        const std::vector<Clock::time_point> at = pty.arrivals();
        const double gaps[] = {MillisBetween(start, at[0]), MillisBetween(at[1], at[2]),
                               MillisBetween(at[59], at[60]), MillisBetween(at[61], at[62]),
                               MillisBetween(at[119], Clock::now())};
        const double minimum[] = {
            pause::kBeforeFirstFrame - kLongTolerance, pause::kAfterPreamble - kShortTolerance,
            pause::kAfterFrame - kLongTolerance, pause::kAfterPreamble - kShortTolerance,
            pause::kAfterFrame + pause::kAfterClose - kLongTolerance};
        timing.clear();
        for (int i = 0; i < 5; ++i) {
            if (gaps[i] < minimum[i])
                timing += u"gap %1: %2 ms < %3 ms; "_s.arg(i).arg(gaps[i]).arg(minimum[i]);
        }
        if (timing.isEmpty())
            break;
    }
    EXPECT_TRUE(timing.isEmpty()) << qPrintable(timing);
}

INSTANTIATE_TEST_SUITE_P(
    Configurations, TtyUpload,
    ::testing::Values(
        UploadCase{"Defaults", "",
                   "ffff1e08003e2f0a302419120d0b091e19034e4f43414c4c395749444531203157494445"
                   "3220320054617276656b2c20766572332e302c206279209dffff5158305a5a5a204d6178"
                   "004e4f43414c4c304d6573736167652073656e74207573696e672054617276656b2c2076"
                   "657273696f6e20332e300089"},
        UploadCase{"Gpsless", "case06", ""}),
    [](const auto &info) { return info.param.name; });

// Holds the pty's slave side the way another program might.
enum class Holder { QtSerialPort, Flock, Missing };

struct HeldCase {
    const char *name;
    Holder holder;
    const char *errorStart;
};

class TtyOpenFailure : public ::testing::TestWithParam<HeldCase>
{
};

TEST_P(TtyOpenFailure, FailsAtOpenWithoutShowingAnything)
{
    PtyPair pty;
    ASSERT_TRUE(pty.isValid());
    QSerialPort other(pty.device());
    int flocked = -1;
    QString device = pty.device();
    switch (GetParam().holder) {
    case Holder::QtSerialPort:
        ASSERT_TRUE(other.open(QIODevice::ReadWrite));
        break;
    case Holder::Flock:
        flocked = ::open(pty.device().toLocal8Bit().constData(), O_RDWR | O_NOCTTY);
        ASSERT_EQ(::flock(flocked, LOCK_EX | LOCK_NB), 0);
        break;
    case Holder::Missing:
        device = u"/dev/tarvek-no-such-port"_s;
        break;
    }
    SystemSerialPort port(To(device));
    QStringList log;
    RecordingView view(log);
    const UploadResult result =
        uploadConfigBlock(ConfigBlock{}, u"1"_s, port, view, testing::RecordingHooks(log));
    if (flocked >= 0)
        ::close(flocked);

    EXPECT_EQ(result.outcome, UploadOutcome::Failed);
    EXPECT_TRUE(result.reason.startsWith(QString::fromLatin1(GetParam().errorStart)))
        << qPrintable(result.reason);
    EXPECT_TRUE(result.reason.contains(device)) << qPrintable(result.reason);
    EXPECT_FALSE(port.isOpen());
    EXPECT_FALSE(view.shown);
    EXPECT_TRUE(log.isEmpty()) << qPrintable(log.join(u" | "_s));
    EXPECT_TRUE(pty.received().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Holders, TtyOpenFailure,
    ::testing::Values(HeldCase{"AnotherQtProgram", Holder::QtSerialPort, "Serial port "},
                      HeldCase{"FlockHolder", Holder::Flock, "Serial port "},
                      HeldCase{"NoSuchDevice", Holder::Missing, "No serial port "}),
    [](const auto &info) { return info.param.name; });

// A device the user may not open (a pty belongs to root and the group tty,
// as serial ports belong to root and dialout): the message says how to get
// the right, and nothing is shown or sent. As an ordinary user.
TEST(TtyOpenFailure, DeviceTheUserMayNotOpenNamesTheDialoutGroup)
{
    PtyPair pty;
    ASSERT_TRUE(pty.isValid());
    const std::string notRun = testing::RunUnprivileged([&] {
        SystemSerialPort port(To(pty.device()));
        QStringList log;
        RecordingView view(log);
        const UploadResult result =
            uploadConfigBlock(ConfigBlock{}, u"1"_s, port, view, testing::RecordingHooks(log));
        EXPECT_EQ(result.outcome, UploadOutcome::Failed);
        EXPECT_EQ(result.reason,
                  u"Permission denied opening %1. Serial ports belong to the group dialout: add "
                  "your user to it with \"sudo usermod -aG dialout $USER\", then log out and in "
                  "again."_s.arg(pty.device()));
        EXPECT_FALSE(view.shown);
        EXPECT_TRUE(log.isEmpty()) << qPrintable(log.join(u" | "_s));
    });
    if (!notRun.empty())
        GTEST_SKIP() << notRun;
    EXPECT_TRUE(pty.received().isEmpty());
}

// The cable is pulled during the pause after frame 1: the next write fails
// at once with the device-gone description and the port ends closed, so the
// window could be closed again.
TEST(TtyFarEnd, DisappearingMidUploadFailsAndClosesThePort)
{
    PtyPair pty;
    ASSERT_TRUE(pty.isValid());
    SystemSerialPort port(To(pty.device()));
    QStringList log;
    RecordingView view(log);
    UploadHooks hooks = blockingHooks();
    int sleeps = 0;
    hooks.sleep = [&](int ms) {
        if (++sleeps == 3) { // the pause after frame 1
            ASSERT_TRUE(pty.waitFor(60, std::chrono::milliseconds(500)));
            pty.hangUp();
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    };
    const Clock::time_point start = Clock::now();
    const UploadResult result = uploadConfigBlock(ConfigBlock{}, u"1"_s, port, view, hooks);

    EXPECT_EQ(result.outcome, UploadOutcome::Failed);
    EXPECT_TRUE(result.reason.contains(u"is gone"_s)) << qPrintable(result.reason);
    EXPECT_FALSE(port.isOpen());
    EXPECT_LT(MillisBetween(start, Clock::now()), 5000.0);
    EXPECT_EQ(pty.received().size(), 60);
    EXPECT_FALSE(view.okVisible);
}

} // namespace
} // namespace tarvek
