#include "settings/filelock.h"

#include <QCoreApplication>
#include <QFile>
#include <QThread>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/sysmacros.h>

using namespace SettingsDisk;
using Clock = std::chrono::steady_clock;

namespace {

const char *const LockSuffix = ".lock";
// A save holds a lock file for milliseconds: one this old was left by a copy that could not remove it.
constexpr auto StaleAfter = std::chrono::seconds(30);

// What flock says on file systems that have no locks at all.
bool locksUnsupported(int error)
{
    return error == ENOLCK || error == EOPNOTSUPP || error == ENOSYS;
}

// A short wait that grows, so that a long wait costs little and a short one is over soon.
void pause(int &tries)
{
    QThread::msleep(std::min(2 << std::min(tries++, 4), 25));
}

QString userName(uid_t user)
{
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? std::size_t(size) : 16384);
    struct passwd entry;
    struct passwd *found = nullptr;
    if (::getpwuid_r(user, &entry, buffer.data(), buffer.size(), &found) == 0 && found)
        return QString::fromLocal8Bit(found->pw_name);
    return QCoreApplication::translate("SettingsFile", "user %1").arg(user);
}

QString heldBy(uid_t holder)
{
    if (holder == ::geteuid())
        return QCoreApplication::translate("SettingsFile", "it is being saved by another copy of the game");
    return QCoreApplication::translate("SettingsFile", "another user, %1, holds its lock").arg(userName(holder));
}

// The owner of the process holding the file's lock, as the kernel lists it; the player when none is found.
uid_t lockHolder(const struct stat &file)
{
    QFile locks(QStringLiteral("/proc/locks"));
    if (!locks.open(QIODevice::ReadOnly))
        return ::geteuid();
    const QByteArray inode = QStringLiteral("%1:%2:%3")
                                 .arg(::major(file.st_dev), 2, 16, QLatin1Char('0'))
                                 .arg(::minor(file.st_dev), 2, 16, QLatin1Char('0'))
                                 .arg(quint64(file.st_ino))
                                 .toLatin1();
    for (const QByteArray &line : locks.readAll().split('\n')) {
        // "1: FLOCK  ADVISORY  WRITE 4242 08:02:1234 0 EOF"
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() >= 6 && fields[1] == "FLOCK" && fields[5] == inode) {
            struct stat process;
            if (::stat(("/proc/" + fields[4]).constData(), &process) == 0)
                return process.st_uid;
        }
    }
    return ::geteuid();
}

QByteArray hostName()
{
    char name[256] = {};
    ::gethostname(name, sizeof name - 1);
    return QByteArray(name);
}

// Whether the lock file was left by a copy that is gone: on this machine, one whose process has ended; anywhere,
// one older than any save.
bool isStale(int folder, const char *name, const struct stat &lock)
{
    if (Clock::duration(std::chrono::seconds(::time(nullptr) - lock.st_mtime)) > StaleAfter)
        return true;
    const FileDescriptor fd(::openat(folder, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    char text[256] = {};
    if (!fd.valid() || ::read(fd.get(), text, sizeof text - 1) <= 0)
        return false;
    const QList<QByteArray> fields = QByteArray(text).trimmed().split(' ');
    const pid_t holder = fields.value(0).toInt();
    return fields.size() == 2 && fields[1] == hostName() && holder > 0 && ::kill(holder, 0) != 0 && errno == ESRCH;
}

} // namespace

QByteArray FileLock::lockFileName(const QByteArray &name)
{
    return '.' + name + LockSuffix;
}

FileLock::FileLock(const Place &place, std::chrono::milliseconds timeout)
    : m_folder(place.folder.get())
{
    const Clock::time_point deadline = Clock::now() + timeout;
    if (!lockFile(place, deadline))
        lockWithoutLocks(place, deadline);
}

FileLock::~FileLock()
{
    struct stat mine;
    struct stat named;
    if (!m_lockFileName.isEmpty() && ::fstat(m_fd.get(), &mine) == 0
        && ::fstatat(m_folder, m_lockFileName.constData(), &named, AT_SYMLINK_NOFOLLOW) == 0 && sameFile(mine, named))
        ::unlinkat(m_folder, m_lockFileName.constData(), 0);
}

bool FileLock::lockFile(const Place &place, Clock::time_point deadline)
{
    const char *const name = place.name.constData();
    for (int tries = 0;;) {
        struct stat named;
        if (::fstatat(m_folder, name, &named, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno == ENOENT)
                m_held = true;
            else
                fail(systemReason(errno));
            return true;
        }
        if (!S_ISREG(named.st_mode)) {
            fail(notAFile());
            return true;
        }
        // Opened for writing where it may be, since NFS grants an exclusive lock only to a writer.
        const int flags = O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
        m_fd = FileDescriptor(::openat(m_folder, name, O_RDWR | flags));
        if (!m_fd.valid())
            m_fd = FileDescriptor(::openat(m_folder, name, O_RDONLY | flags));
        struct stat locked;
        if (!m_fd.valid() || ::fstat(m_fd.get(), &locked) != 0) {
            if (errno == ENOENT)
                continue;
            fail(systemReason(errno));
            return true;
        }
        if (::flock(m_fd.get(), LOCK_EX | LOCK_NB) == 0) {
            // A save before this one may have put a new file in its place meanwhile: its lock is the one to hold.
            if (::fstatat(m_folder, name, &named, AT_SYMLINK_NOFOLLOW) == 0 && sameFile(locked, named)) {
                m_held = true;
                return true;
            }
            m_fd = FileDescriptor();
            continue;
        }
        if (locksUnsupported(errno)) {
            m_fd = FileDescriptor();
            return false;
        }
        if (errno != EWOULDBLOCK && errno != EINTR) {
            fail(systemReason(errno));
            return true;
        }
        m_fd = FileDescriptor();
        if (Clock::now() >= deadline) {
            fail(heldBy(lockHolder(locked)));
            return true;
        }
        pause(tries);
    }
}

void FileLock::lockWithoutLocks(const Place &place, Clock::time_point deadline)
{
    const QByteArray name = lockFileName(place.name);
    const QString lockPath = QString::fromLocal8Bit(place.folderPath + '/' + name);
    for (int tries = 0;;) {
        m_fd = FileDescriptor(
            ::openat(m_folder, name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
        if (m_fd.valid()) {
            const QByteArray holder = QByteArray::number(::getpid()) + ' ' + hostName() + '\n';
            [[maybe_unused]] const ssize_t written = ::write(m_fd.get(), holder.constData(), holder.size());
            giveToFolderOwner(m_fd.get(), m_folder);
            m_lockFileName = name;
            m_held = true;
            return;
        }
        // A folder the player may not write holds no lock file: with no locks either, nothing can be locked, and
        // the save goes ahead as it would alone.
        if (errno == EACCES || errno == EPERM || errno == EROFS) {
            m_held = true;
            return;
        }
        struct stat named;
        if (errno != EEXIST || ::fstatat(m_folder, name.constData(), &named, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno == ENOENT)
                continue;
            fail(QStringLiteral("%1: %2").arg(lockPath, systemReason(errno)));
            return;
        }
        if (!S_ISREG(named.st_mode)) {
            fail(QCoreApplication::translate("SettingsFile", "its lock %1 is not a regular file").arg(lockPath));
            return;
        }
        if (isStale(m_folder, name.constData(), named)) {
            ::unlinkat(m_folder, name.constData(), 0);
            continue;
        }
        if (Clock::now() >= deadline) {
            fail(heldBy(named.st_uid));
            return;
        }
        pause(tries);
    }
}

void FileLock::fail(const QString &reason)
{
    m_fd = FileDescriptor();
    m_failure = reason;
}
