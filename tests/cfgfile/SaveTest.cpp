#include "CfgTestSupport.h"
#include "ConfigFile.h"
#include "ReferenceVectors.h"
#include "Unprivileged.h"

#include <QDir>
#include <QElapsedTimer>

#ifdef Q_OS_WIN
#include <thread>
#include <windows.h>
#else
#include <csignal>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

using namespace tarvek::cfgfile;
using namespace tarvek::config;

using namespace tarvek;
using namespace tarvek::testing;

namespace
{

class SaveTest : public ::testing::Test
{
protected:
    QString path(const char *name) const { return dir.filePath(QString::fromLatin1(name)); }
    CfgResult Save(const QString &file) { return saveConfigFile(file, *model); }

    QTemporaryDir dir;
    std::unique_ptr<SettingsModel> model = StartupModel();
};

TEST_F(SaveTest, StartupStateGivesTheExampleFile)
{
    ASSERT_TRUE(Save(path("Tarvek.cfg")).ok());
    EXPECT_EQ(ReadBytes(path("Tarvek.cfg")), ExampleFile());
}

TEST_F(SaveTest, MessageAndStatusCodes)
{
    Set(*model, "chkAutoReply", "1");
    Set(*model, "cbMicEMsg", "2");
    Set(*model, "chkRxPosition", "1");
    ASSERT_TRUE(Save(path("codes.cfg")).ok());
    const QList<QByteArray> lines = ReadBytes(path("codes.cfg")).split('\n');
    EXPECT_EQ(lines[0], QByteArray("\"1\",\"200\",\"008\",18,\">\",0\r"));
    EXPECT_TRUE(lines[8].startsWith("\"0300\",131,")) << lines[8].toStdString();
}

TEST_F(SaveTest, ReplacesAnExistingFileWhole)
{
    WriteBytes(path("old.cfg"), QByteArray(5000, 'z'));
    ASSERT_TRUE(Save(path("old.cfg")).ok());
    EXPECT_EQ(ReadBytes(path("old.cfg")), ExampleFile());
}

TEST_F(SaveTest, NameWithoutExtensionIsUsedAsGiven)
{
    ASSERT_TRUE(Save(path("myconfig")).ok());
    EXPECT_TRUE(QFile::exists(path("myconfig")));
    EXPECT_FALSE(QFile::exists(path("myconfig.cfg")));
}

// Mended: the file used to be emptied first, so a failed save destroyed it.
TEST_F(SaveTest, UnfilledStatusIntervalIsTypeMismatchAndKeepsThePreviousFile)
{
    const QByteArray previous = "previous contents\r\n";
    WriteBytes(path("keep.cfg"), previous);
    Set(*model, "edBcnEvery", "3");
    EXPECT_EQ(model->tracker.statusEvery.text(), QStringLiteral("3__"));
    const CfgResult result = Save(path("keep.cfg"));
    EXPECT_EQ(result.error, CfgError::TypeMismatch);
    EXPECT_EQ(result.reason, QStringLiteral("Type mismatch"));
    EXPECT_EQ(ReadBytes(path("keep.cfg")), previous);
    EXPECT_EQ(Save(path("new.cfg")).error, CfgError::TypeMismatch);
    EXPECT_FALSE(QFile::exists(path("new.cfg")));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("keep.cfg")});
    EXPECT_EQ(model->tracker.statusEvery.text(), QStringLiteral("3__")); // nothing changed
}

TEST_F(SaveTest, FilesThatCannotBeWritten)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    EXPECT_EQ(Save(path("folder")).reason, QStringLiteral("Path/File access error"));
    EXPECT_EQ(Save(path("missing/x.cfg")).reason, QStringLiteral("Path not found"));
    EXPECT_EQ(Save(QString()).error, CfgError::BadFileName);
}

// As an ordinary user (root's rights would pass every permission).
TEST_F(SaveTest, ReadOnlyFileIsLeftUntouched)
{
    const QByteArray previous = "read only\r\n";
    WriteBytes(path("ro.cfg"), previous);
    SetMode(path("ro.cfg"), 0444);
    MakeReachable(dir.path(), true);
    const std::string notRun = RunUnprivileged([&] {
        EXPECT_EQ(Save(path("ro.cfg")).reason, QStringLiteral("Permission denied"));
        EXPECT_EQ(ReadBytes(path("ro.cfg")), previous);
    });
    if (!notRun.empty())
        GTEST_SKIP() << notRun;
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("ro.cfg")});
}

#ifdef Q_OS_WIN
// Windows' read-only attribute binds every user, administrators included.
TEST_F(SaveTest, ReadOnlyAttributeKeepsTheFile)
{
    const QByteArray previous = "read only\r\n";
    WriteBytes(path("ro.cfg"), previous);
    ASSERT_TRUE(QFile::setPermissions(path("ro.cfg"), QFile::ReadOwner | QFile::ReadUser));
    EXPECT_EQ(Save(path("ro.cfg")).reason, QStringLiteral("Permission denied"));
    EXPECT_EQ(ReadBytes(path("ro.cfg")), previous);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("ro.cfg")});
    QFile::setPermissions(path("ro.cfg"), QFile::ReadOwner | QFile::WriteOwner);
}

// A file another program holds open without sharing (an editor, a backup
// tool, a virus scanner) cannot be replaced while it is held. A holder that
// lets go after 150 ms lets the save through on a retry; while it is held for
// good the save fails and leaves it, and no stray file.
TEST_F(SaveTest, FileLockedByAnotherProgram)
{
    const QByteArray previous = "locked\r\n";
    const std::wstring name = QDir::toNativeSeparators(path("locked.cfg")).toStdWString();
    for (const bool letsGo : {true, false}) {
        SCOPED_TRACE(letsGo ? "held for 150 ms" : "held throughout");
        WriteBytes(path("locked.cfg"), previous);
        HANDLE lock = CreateFileW(name.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(lock, INVALID_HANDLE_VALUE);
        std::thread holder;
        if (letsGo)
            holder = std::thread([lock] {
                Sleep(150);
                CloseHandle(lock);
            });
        QElapsedTimer timer;
        timer.start();
        const CfgResult result = Save(path("locked.cfg"));
        const qint64 elapsed = timer.elapsed();
        if (letsGo)
            holder.join();
        else
            CloseHandle(lock);
        if (letsGo) {
            EXPECT_TRUE(result.ok()) << result.reason.toStdString();
            EXPECT_GE(elapsed, 100); // at least one retry
            EXPECT_EQ(ReadBytes(path("locked.cfg")), ExampleFile());
        } else {
            EXPECT_FALSE(result.ok());
            EXPECT_FALSE(result.reason.isEmpty()); // the system's words, e.g. "Access denied."
            EXPECT_GE(elapsed, 300);               // three retries, 100 ms apart
            EXPECT_EQ(ReadBytes(path("locked.cfg")), previous);
        }
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files),
                  QStringList{QStringLiteral("locked.cfg")});
    }
}
#else
// Another user's file in a folder with the sticky bit (as /tmp) may be
// written but not replaced: the final rename is refused until the file is
// the user's. A holder that hands it over after 150 ms lets the save through
// on a retry; while it never does, the save fails and leaves the file whole,
// and no stray file.
TEST_F(SaveTest, ReplacementRefusedForAMoment)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root, to hand the file to another user during the save";
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("shared")));
    MakeReachable(dir.path());
    SetMode(path("shared"), 01777);
    const QString target = path("shared/held.cfg");
    const QByteArray file = QFile::encodeName(target);
    const QByteArray previous = "held\r\n";
    for (const bool letsGo : {true, false}) {
        SCOPED_TRACE(letsGo ? "handed over after 150 ms" : "never handed over");
        WriteBytes(target, previous);
        SetMode(target, 0666);
        ASSERT_EQ(::chown(file.constData(), 0, 0), 0);
        pid_t holder = 0;
        if (letsGo) {
            const char *argv[] = {"sh", "-c", "sleep 0.15; chown nobody \"$0\"", file.constData(),
                                  nullptr};
            ASSERT_EQ(
                ::posix_spawnp(&holder, "sh", nullptr, nullptr, const_cast<char **>(argv), environ),
                0);
        }
        QElapsedTimer timer;
        timer.start();
        CfgResult result;
        const std::string notRun = RunUnprivileged([&] { result = Save(target); });
        const qint64 elapsed = timer.elapsed();
        if (holder != 0)
            ::waitpid(holder, nullptr, 0);
        if (!notRun.empty())
            GTEST_SKIP() << notRun;
        if (letsGo) {
            EXPECT_TRUE(result.ok()) << result.reason.toStdString();
            EXPECT_GE(elapsed, 100); // at least one retry
            EXPECT_EQ(ReadBytes(target), ExampleFile());
        } else {
            EXPECT_EQ(result.error, CfgError::DeviceIo);
            EXPECT_FALSE(result.reason.isEmpty()); // the system's words
            EXPECT_GE(elapsed, 300);               // three retries, 100 ms apart
            EXPECT_EQ(ReadBytes(target), previous);
        }
        EXPECT_EQ(QDir(path("shared")).entryList(QDir::Files | QDir::Hidden),
                  QStringList{QStringLiteral("held.cfg")});
    }
}
#endif

// A folder the user may not write holds no new file beside the target, so
// an existing writable file is written in place; a new file there cannot be
// created at all.
TEST_F(SaveTest, WritableFileInAFolderWithoutWritePermission)
{
    WriteBytes(path("Tarvek.cfg"), QByteArray(5000, 'z'));
    SetMode(path("Tarvek.cfg"), 0666);
    MakeReachable(dir.path());
    const std::string notRun = RunUnprivileged([&] {
        const CfgResult result = Save(path("Tarvek.cfg"));
        EXPECT_TRUE(result.ok()) << result.reason.toStdString();
        EXPECT_EQ(ReadBytes(path("Tarvek.cfg")), ExampleFile());
        EXPECT_EQ(Save(path("new.cfg")).reason, QStringLiteral("Permission denied"));
    });
    if (!notRun.empty())
        GTEST_SKIP() << notRun;
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("Tarvek.cfg")});
}

#ifndef Q_OS_WIN // a file size limit (setrlimit): Linux-only
// A write that fails part-way (the disk full, here a file size limit) fails
// the save and leaves the previous file whole.
TEST_F(SaveTest, WriteFailureKeepsThePreviousFile)
{
    const QByteArray previous = "previous contents\r\n";
    WriteBytes(path("full.cfg"), previous);
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 100; // the file needs about 300 bytes
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const CfgResult result = Save(path("full.cfg"));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(result.error, CfgError::DeviceIo);
    EXPECT_FALSE(result.reason.isEmpty());
    EXPECT_EQ(ReadBytes(path("full.cfg")), previous);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("full.cfg")});
}
#endif

// Cases computed independently: control writes after the defaults, then Save.
TEST_F(SaveTest, ReferenceVectors)
{
    const QJsonArray cases = LoadVectors(QStringLiteral("cfg.json"), QStringLiteral("save"));
    ASSERT_GE(cases.size(), 20);
    for (qsizetype i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE("case " + std::to_string(i));
        const QJsonObject c = cases[i].toObject();
        auto m = StartupModel();
        for (const auto &[name, value] : VectorWrites(c))
            Set(*m, name, value);
        const QString file = dir.filePath(QStringLiteral("v%1.cfg").arg(i));
        WriteBytes(file, "before");
        const CfgResult result = saveConfigFile(file, *m);
        ASSERT_EQ(result.ok(), c[u"ok"].toBool()) << result.reason.toStdString();
        if (!result.ok()) {
            EXPECT_EQ(result.reason.toLower(), c[u"error"].toString());
        }
        const QByteArray expected = result.ok()
                                        ? QByteArray::fromHex(c[u"file_hex"].toString().toLatin1())
                                        : QByteArray("before");
        EXPECT_EQ(ReadBytes(file), expected);
    }
}

} // namespace
