#pragma once

#include "settings/settingsdisk.h"

#include <QString>

#include <chrono>

// An exclusive lock on the settings file, held from construction to destruction, so that copies of the program
// saving at the same moment take turns. The lock is taken on the file itself: every player who shares a table
// takes the same lock, whether or not they may write its folder, and nobody who may not read the table can hold
// it. The system drops it when its holder ends, however it ends, so a crashed copy never blocks the next save.
//
// Where the file system has no locks (network and user-space file systems without a lock service), a lock file
// beside the table stands in, created only if no other exists, as mail programs lock their boxes there; one left
// by a copy that died is taken over. Anything but a regular file at its name is never opened or removed. A file
// that does not exist yet needs no lock: it is created in one step that fails if another copy created it first.
class FileLock
{
public:
    // Waits for the lock at most `timeout`.
    FileLock(const SettingsDisk::Place &place, std::chrono::milliseconds timeout);
    ~FileLock();
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;

    bool held() const { return m_held; }
    // Why the lock is not held, for the player: who holds it, when that is another user.
    const QString &failure() const { return m_failure; }

    // The lock file's name beside a file of this name, where there are no locks.
    static QByteArray lockFileName(const QByteArray &name);

private:
    // False when the file system has no locks.
    bool lockFile(const SettingsDisk::Place &place, std::chrono::steady_clock::time_point deadline);
    void lockWithoutLocks(const SettingsDisk::Place &place, std::chrono::steady_clock::time_point deadline);
    void fail(const QString &reason);

    int m_folder;
    QByteArray m_lockFileName; // set while a lock file of ours stands in for the lock
    FileDescriptor m_fd;
    bool m_held = false;
    QString m_failure;
};
