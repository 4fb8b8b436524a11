#include "scores/filelock.h"

#include <QElapsedTimer>
#include <QThread>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

namespace {

bool sameFile(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// What flock says on file systems that have no locks at all.
bool locksUnsupported(int error)
{
    return error == ENOLCK || error == EOPNOTSUPP || error == ENOSYS;
}

} // namespace

FileLock::FileLock(int folder, const QByteArray &folderPath, const QByteArray &name, int timeoutMs)
    : m_folder(folder)
    , m_name(name)
{
    const QString lockPath = QString::fromLocal8Bit(folderPath + '/' + name);
    // Not the game's: never opened, never removed.
    const QString notOurs = QStringLiteral("its lock %1 is not a regular file").arg(lockPath);
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        struct stat named;
        if (::fstatat(folder, name.constData(), &named, AT_SYMLINK_NOFOLLOW) == 0) {
            if (!S_ISREG(named.st_mode)) {
                fail(notOurs);
                return;
            }
            m_fd = FileDescriptor(
                ::openat(folder, name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
        } else if (errno == ENOENT) {
            m_fd = FileDescriptor(
                ::openat(folder, name.constData(), O_RDONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0444));
            // Whatever the player's umask, every player who shares the table may open it.
            if (m_fd.valid()) {
                ::fchmod(m_fd.get(), 0444);
            } else if (errno == EACCES || errno == EPERM || errno == EROFS) {
                // A folder the player may not write holds no lock file of the player's: the folder itself is
                // locked instead, as every other player who may not write it does.
                m_fd = FileDescriptor(::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
                m_onFolder = m_fd.valid();
            }
        } else {
            fail(QStringLiteral("%1: %2").arg(lockPath, qt_error_string(errno)));
            return;
        }
        struct stat locked;
        int refused = 0;
        if (!m_fd.valid()) {
            // It came or went since it was looked at, or another player has just created it and not yet made it
            // readable to all.
            if (errno != ENOENT && errno != EEXIST && errno != ELOOP && errno != EACCES) {
                fail(QStringLiteral("%1: %2").arg(lockPath, qt_error_string(errno)));
                return;
            }
            refused = errno == EACCES ? errno : 0;
        } else if (::fstat(m_fd.get(), &locked) != 0 || (!S_ISREG(locked.st_mode) && !m_onFolder)) {
            fail(notOurs);
            return;
        } else if (::flock(m_fd.get(), LOCK_EX | LOCK_NB) == 0) {
            // The holder before removed the file as it let go; a lock on that removed file is no lock: start again.
            if (m_onFolder
                || (::fstatat(folder, name.constData(), &named, AT_SYMLINK_NOFOLLOW) == 0 && sameFile(locked, named))) {
                m_held = true;
                return;
            }
        } else if (locksUnsupported(errno)) {
            m_held = true;
            removeOwnFile();
            m_fd = FileDescriptor();
            return;
        } else if (errno != EWOULDBLOCK && errno != EINTR) {
            fail(QStringLiteral("%1: %2").arg(lockPath, qt_error_string(errno)));
            return;
        }
        m_fd = FileDescriptor();
        m_onFolder = false;
        if (waited.elapsed() >= timeoutMs) {
            fail(refused ? QStringLiteral("%1: %2").arg(lockPath, qt_error_string(refused))
                         : QStringLiteral("it is being saved by another copy of the game"));
            return;
        }
        QThread::msleep(2);
    }
}

FileLock::~FileLock()
{
    // Removed while still held, so that the folder keeps nothing of the save; the next one creates it anew.
    if (m_held && m_fd.valid() && !m_onFolder)
        removeOwnFile();
}

void FileLock::fail(const QString &reason)
{
    m_fd = FileDescriptor();
    m_failure = reason;
}

void FileLock::removeOwnFile()
{
    struct stat locked;
    struct stat named;
    if (::fstat(m_fd.get(), &locked) == 0 && locked.st_uid == ::geteuid() && locked.st_size == 0
        && ::fstatat(m_folder, m_name.constData(), &named, AT_SYMLINK_NOFOLLOW) == 0 && sameFile(locked, named))
        ::unlinkat(m_folder, m_name.constData(), 0);
}
