// tarvek-cli save and --cfg, run as a user would run them.
#include "CfgTestSupport.h"
#include "CliRunner.h"

using namespace tarvek::testing;

namespace
{

class CliCfgTest : public ::testing::Test
{
protected:
    QString path(const char *name) const { return dir.filePath(QString::fromLatin1(name)); }
    QTemporaryDir dir;
};

TEST_F(CliCfgTest, SaveWritesTheExampleFromTheDefaults)
{
    const CliRun run = RunCli({QStringLiteral("save"), path("Tarvek.cfg")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(ReadBytes(path("Tarvek.cfg")), ExampleFile());
}

TEST_F(CliCfgTest, FailedSaveLeavesTheFileAsItWas)
{
    WriteBytes(path("old.cfg"), "old");
    const QStringList unfilled =
        QStringList{QStringLiteral("--set"), QStringLiteral("edBcnEvery=5")};
    CliRun run = RunCli(QStringList{QStringLiteral("save"), path("old.cfg")} << unfilled);
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_EQ(run.err, NocallWarning("save").toUtf8() +
                           "tarvek-cli save: " + path("old.cfg").toUtf8() + ": Type mismatch\n");
    EXPECT_EQ(ReadBytes(path("old.cfg")), QByteArray("old"));
    run = RunCli(QStringList{QStringLiteral("save"), path("new.cfg")} << unfilled);
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_FALSE(QFile::exists(path("new.cfg")));
}

TEST_F(CliCfgTest, CfgThenSetRoundTrip)
{
    ASSERT_EQ(RunCli({QStringLiteral("save"), path("a.cfg"), QStringLiteral("--set"),
                      QStringLiteral("edBeacon=say \"hi\", ok"), QStringLiteral("--set"),
                      QStringLiteral("chkCent=0")})
                  .exitCode,
              0);
    ASSERT_EQ(
        RunCli({QStringLiteral("save"), path("b.cfg"), QStringLiteral("--cfg"), path("a.cfg")})
            .exitCode,
        0);
    EXPECT_EQ(ReadBytes(path("b.cfg")), ReadBytes(path("a.cfg")));
    EXPECT_TRUE(ReadBytes(path("a.cfg")).contains("\"say \"\"hi\"\", ok\""));
    // --set comes after --cfg.
    ASSERT_EQ(RunCli({QStringLiteral("save"), path("c.cfg"), QStringLiteral("--set"),
                      QStringLiteral("edComm=7"), QStringLiteral("--cfg"), path("a.cfg")})
                  .exitCode,
              0);
    EXPECT_TRUE(ReadBytes(path("c.cfg")).startsWith("\"7\","));
}

// A shell without LANG (a fresh root shell, a container, a cron job) runs
// in the "C" locale: nothing extra is printed (only the factory callsign's
// warning), and a file name with accents is written and read back as the
// bytes the user typed.
TEST_F(CliCfgTest, AccentedFileNamesRoundTripWithoutALocale)
{
    const CliEnvironment noLocale = {{QStringLiteral("LANG"), QString()},
                                     {QStringLiteral("LC_ALL"), QString()},
                                     {QStringLiteral("LC_CTYPE"), QString()}};
    const QString accented = dir.filePath(QStringLiteral("prova-àèìòù.cfg"));
    CliRun run = RunCli({QStringLiteral("save"), accented}, {}, noLocale);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, NocallWarning("save").toUtf8());
    ASSERT_TRUE(QFile::exists(accented));
    run = RunCli({QStringLiteral("encode"), QStringLiteral("--cfg"), accented}, {}, noLocale);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, NocallWarning("encode").toUtf8());
}

TEST_F(CliCfgTest, FailedCfgExitsThreeWithItsDescription)
{
    CliRun run =
        RunCli({QStringLiteral("save"), path("x.cfg"), QStringLiteral("--cfg"), path("none")});
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_EQ(run.err, "tarvek-cli save: --cfg " + path("none").toUtf8() + ": File not found\n");
    EXPECT_FALSE(QFile::exists(path("x.cfg")));
    // encode shows the controls as the partial load left them.
    WriteBytes(path("cut.cfg"), "\"2\",\"150\",\"005\",8,\">\",0\r\n");
    run = RunCli({QStringLiteral("encode"), QStringLiteral("--json"), QStringLiteral("--cfg"),
                  path("cut.cfg")});
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_EQ(run.err, "tarvek-cli encode: --cfg " + path("cut.cfg").toUtf8() +
                           ": line 1, cbMicEMsg (mic-e) \"8\": Invalid property value\n");
    EXPECT_TRUE(run.out.contains("\"ok\": false")) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains("\"edComm\": \"2\"")) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains("\"edMsgRepeat\": \"005\"")) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains("\"cbMicEMsg\": 0")) << run.out.toStdString();
}

TEST_F(CliCfgTest, SaveUsageErrors)
{
    EXPECT_EQ(RunCli({QStringLiteral("save")}).exitCode, 2);
    EXPECT_EQ(RunCli({QStringLiteral("save"), path("a"), path("b")}).exitCode, 2);
    EXPECT_EQ(RunCli({QStringLiteral("save"), path("a"), QStringLiteral("--set"),
                      QStringLiteral("nope=1")})
                  .exitCode,
              2);
    EXPECT_FALSE(QFile::exists(path("a")));
}

} // namespace
