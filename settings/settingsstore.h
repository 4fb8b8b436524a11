#pragma once

#include "settings/profilefile.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QThread>

#include <chrono>
#include <functional>

// The one settings file of a running game, read and saved on a thread of its own, so that a window keeps painting
// and answering while a save waits for another copy's lock. Reads and saves run one at a time in the order they
// were asked for: a read asked after a save sees what the save wrote. Each answer comes on the thread that asked,
// through its event loop, and is dropped when its context object has gone.
//
// A save that takes longer than a moment says so (savingChanged), so that a window can show that it is busy.
// Destroying the store waits for what was asked of it: no score is lost to the window closing.
class SettingsStore : public QObject
{
    Q_OBJECT

public:
    // Writes to the file, on the store's thread; false when that failed.
    using Job = std::function<bool(ProfileFile &file)>;
    // Empty when the save stored everything, else the message for the player.
    using Saved = std::function<void(const QString &failure)>;
    using Read = std::function<void(const ProfileFile &file)>;

    // How long a save may run before it is shown as saving.
    static constexpr std::chrono::milliseconds Moment {200};

    explicit SettingsStore(QString path, std::chrono::milliseconds lockTimeout = ProfileFile::LockTimeout);
    ~SettingsStore() override;

    const QString &path() const { return m_path; }
    bool saving() const { return m_saving > 0 && m_shownSaving; }

    // The file as it is once everything asked before has been done.
    void read(QObject *context, Read done);
    // The same, waited for here: the caller's thread goes on painting and handling events meanwhile, but not the
    // player's input, which waits for the answer.
    ProfileFile current();
    // Runs the job with the file as it is once everything asked before has been done.
    void save(Job job, QObject *context, Saved done);
    void write(const QList<ProfileFile::Entry> &entries, QObject *context, Saved done);

signals:
    void savingChanged(bool saving);

private:
    void run(std::function<void()> job);
    void saveStarted();
    void saveEnded();

    QString m_path;
    std::chrono::milliseconds m_lockTimeout;
    QThread m_thread;
    QObject *m_worker;
    int m_saving = 0;
    bool m_shownSaving = false;
};
