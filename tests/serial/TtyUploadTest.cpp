// The upload through the real serial code to a pseudo-terminal, read on the
// far end with the time each byte arrived: the exact bytes, the pauses
// between them, a port held by someone else and a far end that goes away.
#include "BlockBuilder.h"
#include "ControlAccess.h"
#include "PtyPair.h"
#include "RecordingPort.h"
#include "SystemSerialPort.h"
#include "Upload.h"

#include <QProcess>
#include <QScopeGuard>
#include <QSerialPort>
#include <QThread>

#include "QtPrinters.h"
#include "ReferenceVectors.h"
#include "Unprivileged.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <grp.h>
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

// A device the user may not open, given to root and the group dialout as
// serial ports are: the message names the group and how to join it, and
// nothing is shown or sent. As an ordinary user, who is in no such group.
TEST(TtyOpenFailure, DeviceTheUserMayNotOpenNamesItsGroup)
{
    PtyPair pty;
    ASSERT_TRUE(pty.isValid());
    if (::geteuid() == 0) {
        const group *dialout = ::getgrnam("dialout");
        ASSERT_NE(dialout, nullptr);
        ASSERT_EQ(::chown(QFile::encodeName(pty.device()).constData(), 0, dialout->gr_gid), 0);
        testing::SetMode(pty.device(), 0660);
    }
    const std::string notRun = testing::RunUnprivileged([&] {
        SystemSerialPort port(To(pty.device()));
        QStringList log;
        RecordingView view(log);
        const UploadResult result =
            uploadConfigBlock(ConfigBlock{}, u"1"_s, port, view, testing::RecordingHooks(log));
        EXPECT_EQ(result.outcome, UploadOutcome::Failed);
        EXPECT_EQ(result.reason,
                  u"Permission denied opening %1. It belongs to the group dialout, which you are "
                  "not in: add your user to it with \"sudo usermod -aG dialout $USER\", then log "
                  "out and in again."_s.arg(pty.device()));
        EXPECT_FALSE(view.shown);
        EXPECT_TRUE(log.isEmpty()) << qPrintable(log.join(u" | "_s));
    });
    if (!notRun.empty())
        GTEST_SKIP() << notRun;
    EXPECT_TRUE(pty.received().isEmpty());
}

// Another program holds the device (flock(1) locks it and runs sleep with it
// open): the message names the program and its process id after the
// system's words.
TEST(TtyOpenFailure, BusyPortNamesTheProgramHoldingIt)
{
    PtyPair pty;
    ASSERT_TRUE(pty.isValid());
    QProcess holder;
    holder.start(u"flock"_s, {u"--exclusive"_s, pty.device(), u"sleep"_s, u"30"_s});
    ASSERT_TRUE(holder.waitForStarted());
    const auto stop = qScopeGuard([&] {
        holder.kill();
        holder.waitForFinished();
    });
    SystemSerialPort port(To(pty.device()));
    SerialResult opened;
    for (int tries = 0; tries < 100 && opened.ok(); ++tries) {
        QThread::msleep(20);
        ASSERT_TRUE(port.setPortNumber(1).ok());
        opened = port.open();
        port.close();
    }
    ASSERT_FALSE(opened.ok());
    EXPECT_TRUE(opened.reason.startsWith(u"Serial port %1 is in use by another program. It is held "
                                         "by "_s.arg(pty.device())))
        << qPrintable(opened.reason);
    EXPECT_TRUE(opened.reason.contains(u"flock (pid %1)"_s.arg(holder.processId())))
        << qPrintable(opened.reason);
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
