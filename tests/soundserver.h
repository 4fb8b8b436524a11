#pragma once

#include <QString>

// The private PulseAudio daemon of the script tests/sound-server, in a folder of its own: started, killed the
// hard way as a crash would end it, and started again. clientEnvironment() points this process's sound
// clients at it.
class SoundServer
{
public:
    explicit SoundServer(const QString &folder);

    bool start() const;
    void stop() const;
    void kill() const;
    void clientEnvironment() const;

private:
    bool run(const char *action) const;

    QString m_folder;
};
