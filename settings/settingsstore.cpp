#include "settings/settingsstore.h"

#include <QEventLoop>
#include <QTimer>

#include <memory>
#include <optional>

SettingsStore::SettingsStore(QString path, std::chrono::milliseconds lockTimeout)
    : m_path(std::move(path))
    , m_lockTimeout(lockTimeout)
    , m_worker(new QObject)
{
    m_thread.setObjectName(QStringLiteral("settings"));
    m_worker->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    m_thread.start();
}

SettingsStore::~SettingsStore()
{
    // The thread ends after every job asked for before: its end is queued behind them.
    run([] { QThread::currentThread()->quit(); });
    m_thread.wait();
}

void SettingsStore::run(std::function<void()> job)
{
    QMetaObject::invokeMethod(m_worker, std::move(job), Qt::QueuedConnection);
}

void SettingsStore::read(QObject *context, Read done)
{
    run([path = m_path, timeout = m_lockTimeout, context = QPointer<QObject>(context), done = std::move(done)] {
        auto file = std::make_shared<const ProfileFile>(path, timeout);
        if (context)
            QMetaObject::invokeMethod(context, [file, done] { done(*file); }, Qt::QueuedConnection);
    });
}

ProfileFile SettingsStore::current()
{
    std::optional<ProfileFile> file;
    QEventLoop answered;
    read(&answered, [&](const ProfileFile &read) {
        file = read;
        answered.quit();
    });
    answered.exec(QEventLoop::ExcludeUserInputEvents);
    return std::move(*file);
}

void SettingsStore::save(Job job, QObject *context, Saved done)
{
    saveStarted();
    run([this, job = std::move(job), context = QPointer<QObject>(context), done = std::move(done)] {
        ProfileFile file(m_path, m_lockTimeout);
        const QString failure = job(file) ? QString() : file.writeFailureMessage();
        QMetaObject::invokeMethod(
            this,
            [this, context, done, failure] {
                saveEnded();
                if (context && done)
                    done(failure);
            },
            Qt::QueuedConnection);
    });
}

void SettingsStore::write(const QList<ProfileFile::Entry> &entries, QObject *context, Saved done)
{
    save([entries](ProfileFile &file) { return file.write(entries); }, context, std::move(done));
}

void SettingsStore::saveStarted()
{
    if (m_saving++ > 0)
        return;
    QTimer::singleShot(Moment, this, [this] {
        if (m_saving > 0 && !m_shownSaving) {
            m_shownSaving = true;
            emit savingChanged(true);
        }
    });
}

void SettingsStore::saveEnded()
{
    if (--m_saving > 0 || !m_shownSaving)
        return;
    m_shownSaving = false;
    emit savingChanged(false);
}
