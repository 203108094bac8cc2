// What Linux says of serial devices: the device node's owner, group and
// mode, the group database, /proc for the processes holding a device, the
// lock files, and sysfs for the USB adapters and their ports.
#include "PortFacts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <optional>
#include <vector>

namespace tarvek::serial
{
namespace
{

using namespace Qt::StringLiterals;

// The C type, named once: "struct stat name {}" reads to the formatters as a
// struct definition.
using FileStatus = struct stat;

QString readLine(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readLine()).trimmed();
}

QString processName(qint64 pid)
{
    return readLine(QStringLiteral("/proc/%1/comm").arg(pid));
}

QStringList processIds()
{
    QStringList pids = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    pids.erase(std::remove_if(pids.begin(), pids.end(),
                              [](const QString &name) {
                                  bool number = false;
                                  name.toLongLong(&number);
                                  return !number;
                              }),
               pids.end());
    return pids;
}

bool hasGroup(gid_t group)
{
    if (getegid() == group)
        return true;
    const int count = getgroups(0, nullptr);
    std::vector<gid_t> groups(static_cast<size_t>(std::max(count, 0)));
    const int got = getgroups(count, groups.data());
    return std::find(groups.begin(), groups.begin() + std::max(got, 0), group) !=
           groups.begin() + std::max(got, 0);
}

// A user's name and primary group from the user database, by the reentrant
// call: the port list asks on a thread of its own.
struct UserEntry {
    QByteArray name;
    gid_t group = 0;
};

std::optional<UserEntry> userEntry(uid_t uid)
{
    passwd entry{};
    std::vector<char> strings(4096);
    passwd *found = nullptr;
    if (getpwuid_r(uid, &entry, strings.data(), strings.size(), &found) != 0 || !found)
        return std::nullopt;
    return UserEntry{QByteArray(found->pw_name), found->pw_gid};
}

QString userName(uid_t uid)
{
    const std::optional<UserEntry> user = userEntry(uid);
    return user ? QString::fromLocal8Bit(user->name) : QString();
}

QString groupName(gid_t gid)
{
    group entry{};
    std::vector<char> strings(4096);
    group *found = nullptr;
    if (getgrgid_r(gid, &entry, strings.data(), strings.size(), &found) != 0 || !found)
        return {};
    return QString::fromLocal8Bit(entry.gr_name);
}

bool userListedInGroup(gid_t group)
{
    const std::optional<UserEntry> user = userEntry(getuid());
    if (!user)
        return false;
    if (user->group == group)
        return true;
    int count = 64;
    std::vector<gid_t> groups(static_cast<size_t>(count));
    if (getgrouplist(user->name.constData(), user->group, groups.data(), &count) < 0) {
        groups.resize(static_cast<size_t>(count));
        if (getgrouplist(user->name.constData(), user->group, groups.data(), &count) < 0)
            return false;
    }
    return std::find(groups.begin(), groups.begin() + count, group) != groups.begin() + count;
}

// The USB device folder in sysfs behind a tty, or empty.
QString usbDeviceFolderOf(const QString &device)
{
    QString folder =
        QFileInfo(QStringLiteral("/sys/class/tty/%1/device").arg(QFileInfo(device).fileName()))
            .canonicalFilePath();
    for (int up = 0; up < 3 && !folder.isEmpty(); ++up) {
        if (QFile::exists(folder + QStringLiteral("/idVendor")))
            return folder;
        folder = QFileInfo(folder).path();
    }
    return {};
}

QString usbIdIn(const QString &folder)
{
    return readLine(folder + QStringLiteral("/idVendor")) + u':' +
           readLine(folder + QStringLiteral("/idProduct"));
}

// Whether a driver made a tty of any interface of the USB device.
bool hasTty(const QString &folder)
{
    const QDir dir(folder);
    for (const QString &interface :
         dir.entryList({QFileInfo(folder).fileName() + u":*"_s}, QDir::Dirs)) {
        const QDir inside(dir.filePath(interface));
        if (!inside.entryList({u"tty*"_s}, QDir::Dirs).isEmpty())
            return true;
    }
    return false;
}

class LinuxPortFacts final : public PortFacts
{
public:
    DeviceAccess access(const QString &device) const override
    {
        DeviceAccess result;
        FileStatus status{};
        const QByteArray path = QFile::encodeName(device);
        if (::stat(path.constData(), &status) != 0)
            return result;
        result.exists = true;
        // The port is opened for writing only.
        result.mayOpen = ::access(path.constData(), W_OK) == 0;
        result.ownerName = userName(status.st_uid);
        result.groupName = groupName(status.st_gid);
        result.groupMayOpen = status.st_mode & S_IWGRP;
        result.otherMayOpen = status.st_mode & S_IWOTH;
        result.userInGroup = userListedInGroup(status.st_gid);
        result.processInGroup = hasGroup(status.st_gid);
        return result;
    }

    QList<Holder> holders(const QString &device) const override
    {
        QList<Holder> found;
        const QString target = QFileInfo(device).canonicalFilePath();
        if (target.isEmpty())
            return found;
        const qint64 self = ::getpid();
        for (const QString &pid : processIds()) {
            const qint64 id = pid.toLongLong();
            if (id == self)
                continue;
            const QDir fds(QStringLiteral("/proc/%1/fd").arg(pid));
            for (const QString &fd : fds.entryList(QDir::System | QDir::NoDotAndDotDot)) {
                if (QFileInfo(fds.filePath(fd)).symLinkTarget() == target) {
                    found << Holder{id, processName(id)};
                    break;
                }
            }
        }
        // The lock file of a program that keeps one: its first line is the
        // owner's process id.
        const QString lockName = u"LCK.."_s + QFileInfo(device).fileName();
        for (const char *folder : {"/var/lock", "/run/lock", "/tmp"}) {
            const qint64 owner =
                readLine(QString::fromLatin1(folder) + u'/' + lockName).toLongLong();
            const bool known = std::any_of(found.begin(), found.end(),
                                           [owner](const Holder &h) { return h.pid == owner; });
            if (owner > 0 && owner != self && !known &&
                QFileInfo::exists(QStringLiteral("/proc/%1").arg(owner)))
                found << Holder{owner, processName(owner)};
        }
        return found;
    }

    QList<UsbAdapter> usbAdapters() const override
    {
        QList<UsbAdapter> adapters;
        const QDir devices(QStringLiteral("/sys/bus/usb/devices"));
        for (const QString &name : devices.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            const QString folder = QFileInfo(devices.filePath(name)).canonicalFilePath();
            if (folder.isEmpty() || !QFile::exists(folder + QStringLiteral("/idVendor")))
                continue;
            const QString id = usbIdIn(folder);
            if (isUsbSerialAdapter(id))
                adapters << UsbAdapter{id, readLine(folder + QStringLiteral("/product")),
                                       hasTty(folder)};
        }
        return adapters;
    }

    QString usbIdOf(const QString &device) const override
    {
        const QString folder = usbDeviceFolderOf(device);
        return folder.isEmpty() ? QString() : usbIdIn(folder);
    }

    bool brlttyInstalled() const override
    {
        return QFile::exists(QStringLiteral("/bin/brltty")) ||
               QFile::exists(QStringLiteral("/usr/bin/brltty"));
    }

    QString driverProblem(const QString &) const override { return {}; }

    bool isBluetooth(const QString &device) const override
    {
        return QFileInfo(device).fileName().startsWith(QLatin1String("rfcomm"));
    }

    bool modemManagerRunning() const override
    {
        for (const QString &pid : processIds()) {
            if (processName(pid.toLongLong()) == QLatin1String("ModemManager"))
                return true;
        }
        return false;
    }
};

} // namespace

std::unique_ptr<PortFacts> systemPortFacts()
{
    return std::make_unique<LinuxPortFacts>();
}

} // namespace tarvek::serial
