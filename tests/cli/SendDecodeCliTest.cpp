// tarvek-cli send and decode as processes: an upload to a pseudo-terminal
// named by TARVEK_COM1, the capture decoded again, and the exit codes.
#include "CliRunner.h"
#ifndef Q_OS_WIN
#include "PtyPair.h"
#endif

#include <QTemporaryDir>

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace
{

using namespace Qt::StringLiterals;
using tarvek::testing::CliEnvironment;
using tarvek::testing::CliRun;
#ifndef Q_OS_WIN
using tarvek::testing::PtyPair;
#endif
using tarvek::testing::RunCli;

// A run with its output read as UTF-8 text; `com1` is the device that port
// number 1 stands for.
struct TextRun {
    int exitCode = -1;
    QString out;
    QString err;
};

TextRun RunText(const QStringList &args, const QString &com1 = {}, const QByteArray &input = {})
{
    CliEnvironment environment;
    if (!com1.isEmpty())
        environment.append({u"TARVEK_COM1"_s, com1});
    const CliRun run = RunCli(args, input, environment);
    return {run.exitCode, QString::fromUtf8(run.out), QString::fromUtf8(run.err)};
}

const char *const kDefaultWireHex =
    "ffff1e08003e2f0a302419120d0b091e19034e4f43414c4c3957494445312031574944453220320054617276"
    "656b2c20766572332e302c206279209dffff5158305a5a5a204d6178004e4f43414c4c304d65737361676520"
    "73656e74207573696e672054617276656b2c2076657273696f6e20332e300089";

#ifndef Q_OS_WIN // pseudo-terminals: Linux-only; scripts/test-windows.sh sends to COM1
TEST(CliSend, UploadsToTheMappedPortAndTheCaptureDecodes)
{
    PtyPair pty;
    ASSERT_TRUE(pty.isValid());
    const TextRun send =
        RunText({u"send"_s, u"--port"_s, u"1"_s, u"--set"_s, u"edMyCall=AB1CD-7"_s}, pty.device());
    ASSERT_EQ(send.exitCode, 0) << qPrintable(send.err);
    EXPECT_EQ(send.out, u"Sending data on COM1......\nData sent !\n"
                        " Be shure that the word '*OK*' appears on LCD\n"_s);
    ASSERT_TRUE(pty.waitFor(120, std::chrono::milliseconds(500)));

    QTemporaryDir dir;
    const QString capture = dir.filePath(u"capture.bin"_s);
    QFile file(capture);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(pty.received());
    file.close();
    const TextRun decode = RunText({u"decode"_s, capture});
    EXPECT_EQ(decode.exitCode, 0) << qPrintable(decode.err);
    EXPECT_TRUE(decode.out.contains(u"\nedMyCall=AB1CD-7\n"_s)) << qPrintable(decode.out);
    EXPECT_TRUE(decode.out.startsWith(u"edNumFlagsAuto=200\n"_s)) << qPrintable(decode.out);
}

// A warning is only said: send still sends the settings as they are, with
// the same progress on standard output.
TEST(CliSend, WarningsGoToStderrAndTheUploadStillHappens)
{
    PtyPair pty;
    ASSERT_TRUE(pty.isValid());
    const TextRun send =
        RunText({u"send"_s, u"--port"_s, u"1"_s, u"--set"_s, u"path=RELAY,WIDE"_s}, pty.device());
    EXPECT_EQ(send.exitCode, 0);
    EXPECT_EQ(send.out, u"Sending data on COM1......\nData sent !\n"
                        " Be shure that the word '*OK*' appears on LCD\n"_s);
    EXPECT_TRUE(send.err.startsWith(tarvek::testing::NocallWarning("send")));
    EXPECT_EQ(send.err.count(u"tarvek-cli send: warning: edAprsPath (path) \"RELAY,WIDE\": "_s), 2)
        << qPrintable(send.err);
    ASSERT_TRUE(pty.waitFor(120, std::chrono::milliseconds(500)));
    const TextRun decode = RunText({u"decode"_s}, {}, pty.received());
    EXPECT_TRUE(decode.out.contains(u"\nedMyCall=NOCALL-9\nedAprsPath=RELAY,WIDE\n"_s))
        << qPrintable(decode.out);
}

// Only TARVEK_COM<n> with n a port number in its plain form overrides a
// port: the variables below name no port, so neither ports nor --port 1 use
// them.
TEST(CliSend, OverridesThatAreNoPortNumberAreIgnored)
{
    PtyPair pty;
    ASSERT_TRUE(pty.isValid());
    CliEnvironment environment;
    for (const QString &name : {u"TARVEK_COM0"_s, u"TARVEK_COM01"_s, u"TARVEK_COM32768"_s})
        environment.append({name, pty.device()});
    const CliRun ports = RunCli({u"ports"_s}, {}, environment);
    EXPECT_EQ(ports.exitCode, 0);
    EXPECT_FALSE(ports.out.contains(pty.device().toUtf8())) << ports.out.constData();
    RunCli({u"send"_s, u"--port"_s, u"1"_s}, {}, environment);
    EXPECT_FALSE(pty.waitFor(1, std::chrono::milliseconds(300)));
}

TEST(CliSend, ExitCodes)
{
    PtyPair pty;
    ASSERT_TRUE(pty.isValid());
    const TextRun rejected =
        RunText({u"send"_s, u"--port"_s, u"1"_s, u"--set"_s, u"edMsgRepeat=999"_s}, pty.device());
    EXPECT_EQ(rejected.exitCode, 1);
    EXPECT_EQ(rejected.err, tarvek::testing::NocallWarning("send") +
                                u"tarvek-cli send: Parametri incompleti o non corretti\n"
                                "tarvek-cli send: edMsgRepeat (msg-retries) \"999\": 999 does "
                                "not fit a byte (0 to 255)\n"_s);
    EXPECT_TRUE(rejected.out.isEmpty());

    const TextRun zero = RunText({u"send"_s, u"--port"_s, u"0"_s});
    EXPECT_EQ(zero.exitCode, 4);
    EXPECT_EQ(zero.err, tarvek::testing::NocallWarning("send") +
                            u"tarvek-cli send: port 0: Invalid port number\n"_s);

    EXPECT_EQ(RunText({u"send"_s}).exitCode, 2);
    EXPECT_EQ(RunText({u"send"_s, u"--port"_s, u"x"_s}).exitCode, 2);
    // The largest port number is one "Comm num:" takes; nothing is behind it.
    EXPECT_EQ(RunText({u"send"_s, u"--port"_s, u"255"_s}).exitCode, 4);
    EXPECT_EQ(RunText({u"send"_s, u"--port"_s, u"1"_s, u"--set"_s, u"nosuch=1"_s}).exitCode, 2);
    EXPECT_TRUE(pty.received().isEmpty());
}
#endif

TEST(CliDecode, StandardInputBlockAndBadCaptures)
{
    const QByteArray wire = QByteArray::fromHex(kDefaultWireHex);
    const QByteArray block = wire.mid(2, 57) + wire.mid(62, 57);
    const TextRun fromBlock = RunText({u"decode"_s}, {}, block);
    EXPECT_EQ(fromBlock.exitCode, 0) << qPrintable(fromBlock.err);
    EXPECT_EQ(fromBlock.out, RunText({u"decode"_s}, {}, wire).out);
    EXPECT_TRUE(fromBlock.out.contains(u"\nedAprsPath=WIDE1-1,WIDE2-2\n"_s));

    QByteArray corrupt = wire;
    corrupt[119] = 0;
    const TextRun bad = RunText({u"decode"_s}, {}, corrupt);
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_TRUE(bad.err.contains(u"checksum of frame 2"_s)) << qPrintable(bad.err);
    EXPECT_TRUE(bad.out.isEmpty());

    EXPECT_EQ(RunText({u"decode"_s}, {}, wire.left(100)).exitCode, 1);
    EXPECT_EQ(RunText({u"decode"_s, u"a"_s, u"b"_s}).exitCode, 2);
}

} // namespace
