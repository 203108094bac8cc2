#pragma once
// Runs part of a test with the rights of an ordinary user. Root's rights pass
// every file permission, so under root (as the suite runs in CI) the process
// takes the identity of the user "nobody" and the group "nogroup" for the
// part, and takes root's back afterwards; under any other user the part
// simply runs as it is.
//
//   const std::string notRun = tarvek::testing::RunUnprivileged([&] { ... });
//   if (!notRun.empty())
//       GTEST_SKIP() << notRun;
//
// The part runs in this process, not in a forked child: a child of a process
// with other threads (a pty reader, the sanitizer's own) can inherit a lock
// that one of them held and hang on its first allocation. Real and effective
// ids both change, so access() answers as it would for the user; only the
// saved id stays root, which is what allows the way back.
//
// Files and folders the part uses must be reachable by "nobody": a folder
// from QTemporaryDir is private to its owner until MakeReachable opens it.
//
// POSIX user ids and permission bits have no Windows counterpart: there the
// part never runs, and the test is skipped as Linux-only.
#include <QFile>
#include <QString>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#ifdef Q_OS_WIN
namespace tarvek::testing
{

inline void SetMode(const QString &, int)
{
}
inline void MakeReachable(const QString &, bool = false)
{
}
inline std::string RunUnprivileged(const std::function<void()> &)
{
    return "Linux-only: POSIX permission bits and an ordinary user's rights";
}

} // namespace tarvek::testing
#else
#include <cstdlib>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

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

// Root's identity, put back when the part ends however it ends.
class RootIdentityRestorer
{
public:
    RootIdentityRestorer()
    {
        m_groups.resize(static_cast<std::size_t>(::getgroups(0, nullptr)));
        ::getgroups(static_cast<int>(m_groups.size()), m_groups.data());
    }
    RootIdentityRestorer(const RootIdentityRestorer &) = delete;
    RootIdentityRestorer &operator=(const RootIdentityRestorer &) = delete;
    ~RootIdentityRestorer()
    {
        if (::setresuid(0, 0, 0) != 0 || ::setresgid(0, 0, 0) != 0 ||
            ::setgroups(m_groups.size(), m_groups.data()) != 0)
            std::abort(); // the rest of the suite would run without root's rights
    }

private:
    std::vector<gid_t> m_groups;
};

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
    RootIdentityRestorer restorer;
    if (::setgroups(0, nullptr) != 0 || ::setresgid(gid, gid, 0) != 0 ||
        ::setresuid(uid, uid, 0) != 0)
        return "root's rights cannot be dropped here (setresuid to nobody refused)";
    body();
    return {};
}

} // namespace tarvek::testing
#endif
