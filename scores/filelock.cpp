#include "scores/filelock.h"

#include <QElapsedTimer>
#include <QThread>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

FileLock::FileLock(const QByteArray &path, int timeoutMs)
    : m_path(path)
{
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        // Never through a link: the lock file is ours alone, and no one else's file is created or truncated.
        m_fd = ::open(path.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
        if (m_fd < 0) {
            m_error = errno;
            return;
        }
        if (::flock(m_fd, LOCK_EX | LOCK_NB) == 0) {
            // The holder before removed the file as it let go; a lock on that removed file is no lock: start again.
            struct stat locked;
            struct stat named;
            if (::fstat(m_fd, &locked) == 0 && ::lstat(path.constData(), &named) == 0 && locked.st_dev == named.st_dev
                && locked.st_ino == named.st_ino) {
                m_held = true;
                return;
            }
        } else if (errno != EWOULDBLOCK && errno != EINTR) {
            m_error = errno;
            return;
        }
        ::close(m_fd);
        m_fd = -1;
        if (waited.elapsed() >= timeoutMs) {
            m_error = EBUSY;
            return;
        }
        QThread::msleep(2);
    }
}

FileLock::~FileLock()
{
    // Removed while still held, so that the folder keeps nothing of the save; the next one creates it anew.
    if (m_held)
        ::unlink(m_path.constData());
    if (m_fd >= 0)
        ::close(m_fd);
}
