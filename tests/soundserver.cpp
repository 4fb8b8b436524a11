#include "soundserver.h"

#include <QFile>
#include <QProcess>

#include <csignal>

SoundServer::SoundServer(const QString &folder)
    : m_folder(folder)
{
}

bool SoundServer::start() const
{
    return run("start");
}

void SoundServer::stop() const
{
    run("stop");
}

void SoundServer::kill() const
{
    QFile pidFile(m_folder + QStringLiteral("/daemon.pid"));
    if (!pidFile.open(QIODevice::ReadOnly))
        return;
    const pid_t pid = pid_t(pidFile.readAll().trimmed().toLongLong());
    if (pid > 0)
        ::kill(pid, SIGKILL);
}

void SoundServer::clientEnvironment() const
{
    qputenv("PULSE_SERVER", ("unix:" + m_folder + QStringLiteral("/native")).toLocal8Bit());
}

bool SoundServer::run(const char *action) const
{
    return QProcess::execute(QStringLiteral(TOMELOR_SOUND_SERVER), { QString::fromLatin1(action), m_folder }) == 0;
}
