#pragma once

#include "scores/filedescriptor.h"

#include <QByteArray>
#include <QString>

// An exclusive lock on a file of its own beside the settings file, held from construction to destruction, so that
// copies of the program saving at the same moment take turns. The system drops it when its holder ends, however
// it ends, so a crashed copy never leaves a lock behind that blocks the next save.
//
// Every player who shares a table takes the same lock: the lock file is opened for reading only and made readable
// by everyone who may see the folder, whoever created it. Anything but a regular file at its name belongs to
// someone else: it is never opened and never removed, and no save is made. Where the file system has no locks
// (network and user-space file systems without a lock service), the lock counts as held: the one-step replacement
// still keeps the file whole. In a folder the player may not write, where no lock file can be made, the folder
// itself is locked.
class FileLock
{
public:
    // Waits for the lock at most timeoutMs milliseconds. folderPath names the folder in the reasons.
    FileLock(int folder, const QByteArray &folderPath, const QByteArray &name, int timeoutMs);
    ~FileLock();
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;

    bool held() const { return m_held; }
    // Why the lock is not held, for the player.
    const QString &failure() const { return m_failure; }

private:
    void fail(const QString &reason);
    // Removes the lock file while it is held, or where there are no locks, if it is the player's own.
    void removeOwnFile();

    int m_folder;
    QByteArray m_name;
    FileDescriptor m_fd;
    bool m_onFolder = false;
    bool m_held = false;
    QString m_failure;
};
