#pragma once
// Runs part of a test with the rights of an ordinary user. Root's rights pass
// every file permission, so under root (as the suite runs in CI) the part
// runs in a child process that has given them up for the user "nobody" and
// the group "nogroup"; under any other user it simply runs here. The child's
// failures are printed by the child and fail the test in the parent.
//
//   const std::string notRun = tarvek::testing::RunUnprivileged([&] { ... });
//   if (!notRun.empty())
//       GTEST_SKIP() << notRun;
//
// Files and folders the part uses must be reachable by "nobody": a folder
// from QTemporaryDir is private to its owner until MakeReachable opens it.
#include <QFile>
#include <QString>

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <grp.h>
#include <pwd.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tarvek::testing
{

// Gives `path` the permission bits `mode` (e.g. 0755, 0444).
inline void SetMode(const QString &path, mode_t mode)
{
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), mode), 0) << path.toStdString();
}

// A folder everybody may enter and list, and write when `writable`.
inline void MakeReachable(const QString &folder, bool writable = false)
{
    SetMode(folder, writable ? 0777 : 0755);
}

// Empty when `body` ran; otherwise the reason it could not.
inline std::string RunUnprivileged(const std::function<void()> &body)
{
    if (::geteuid() != 0) {
        body();
        return {};
    }
    const passwd *user = ::getpwnam("nobody");
    const group *nogroup = ::getgrnam("nogroup");
    if (!user || !nogroup)
        return "root's rights cannot be dropped: no user nobody or group nogroup";
    const uid_t uid = user->pw_uid;
    const gid_t gid = nogroup->gr_gid;
    constexpr int kCannotDrop = 77;
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child < 0)
        return "root's rights cannot be dropped: fork failed";
    if (child == 0) {
        if (::setgroups(0, nullptr) != 0 || ::setresgid(gid, gid, gid) != 0 ||
            ::setresuid(uid, uid, uid) != 0 || ::geteuid() == 0)
            ::_exit(kCannotDrop);
        body();
        std::fflush(nullptr);
        ::_exit(::testing::Test::HasFailure() ? 1 : 0);
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child)
        return "root's rights cannot be dropped: the child process was lost";
    if (WIFEXITED(status) && WEXITSTATUS(status) == kCannotDrop)
        return "root's rights cannot be dropped here (setresuid to nobody refused)";
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
        << "the part run as nobody failed (its messages are above)";
    return {};
}

} // namespace tarvek::testing
