#include "soundserver.h"

#include <QFile>
#include <QProcess>

#include <csignal>
#include <unistd.h>

SoundServer::SoundServer(Kind kind, const QString &folder)
    : m_kind(kind)
    , m_folder(folder)
{
}

std::optional<SoundServer::Kind> SoundServer::kindNamed(const QString &name)
{
    for (const Kind kind : { Kind::PulseAudio, Kind::PipeWire }) {
        if (name == nameOf(kind))
            return kind;
    }
    return std::nullopt;
}

QString SoundServer::nameOf(Kind kind)
{
    return kind == Kind::PipeWire ? QStringLiteral("pipewire") : QStringLiteral("pulseaudio");
}

std::chrono::microseconds SoundServer::period() const
{
    return m_kind == Kind::PipeWire ? std::chrono::microseconds(1024 * 1000000 / 48000) : std::chrono::microseconds(0);
}

std::chrono::microseconds SoundServer::monitorDelay() const
{
    return m_kind == Kind::PipeWire ? std::chrono::microseconds(m_graphPeriod * 1000000LL / 48000)
                                    : std::chrono::microseconds(0);
}

bool SoundServer::start() const
{
    return run({ QStringLiteral("start"), nameOf(m_kind), m_folder });
}

void SoundServer::stop() const
{
    run({ QStringLiteral("stop"), m_folder });
}

bool SoundServer::forcePeriod(int samples)
{
    if (m_kind != Kind::PipeWire || !run({ QStringLiteral("period"), m_folder, QString::number(samples) }))
        return false;
    m_graphPeriod = samples > 0 ? samples : OwnPeriod;
    return true;
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

double SoundServer::cpuSeconds() const
{
    double seconds = 0;
    for (const char *name : {"/daemon.pid", "/pipewire.pid", "/wireplumber.pid"}) {
        QFile pidFile(m_folder + QLatin1String(name));
        if (!pidFile.open(QIODevice::ReadOnly))
            continue;
        QFile stat(QStringLiteral("/proc/%1/stat").arg(QString::fromLatin1(pidFile.readAll().trimmed())));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        // The fields after the command's name, which may hold spaces: utime and stime are the 12th and 13th.
        const QByteArray line = stat.readAll();
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (fields.size() > 12)
            seconds += double(fields[11].toLongLong() + fields[12].toLongLong()) / double(sysconf(_SC_CLK_TCK));
    }
    return seconds;
}

void SoundServer::clientEnvironment() const
{
    qputenv("PULSE_SERVER", ("unix:" + m_folder + QStringLiteral("/native")).toLocal8Bit());
}

bool SoundServer::run(const QStringList &arguments) const
{
    return QProcess::execute(QStringLiteral(TOMELOR_SOUND_SERVER), arguments) == 0;
}
