#pragma once

#include <QByteArray>

// An exclusive lock on a file of its own beside the settings file, held from construction to destruction, so that
// copies of the program saving at the same moment take turns. The system drops it when its holder ends, however
// it ends, so a crashed copy never leaves a lock behind that blocks the next save. The lock file is removed when
// the lock is let go.
class FileLock
{
public:
    // Waits for the lock at most timeoutMs milliseconds.
    FileLock(const QByteArray &path, int timeoutMs);
    ~FileLock();
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;

    bool held() const { return m_held; }
    // Why the lock is not held: an errno value.
    int error() const { return m_error; }

private:
    QByteArray m_path;
    int m_fd = -1;
    bool m_held = false;
    int m_error = 0;
};
