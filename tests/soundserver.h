#pragma once

#include <QString>

#include <chrono>
#include <optional>

// A private sound server of the script tests/sound-server, in a folder of its own: started, its PulseAudio server
// killed the hard way as a crash would end it, and started again. clientEnvironment() points this process's sound
// clients at it.
class SoundServer
{
public:
    enum class Kind { PulseAudio, PipeWire };

    SoundServer(Kind kind, const QString &folder);

    // The kind a name gives ("pulseaudio", "pipewire"), or none.
    static std::optional<Kind> kindNamed(const QString &name);
    static QString nameOf(Kind kind);

    Kind kind() const { return m_kind; }
    // How much of a cue may stray from the file's shape, the rest of it following a little earlier or later:
    // PulseAudio plays the cues at the sink's rate, nearly untouched, so none. PipeWire resamples them to its
    // graph's rate and back; the bright strike in the middle of CueCorrect then strays for a few milliseconds in
    // some plays, well within one period of a desktop's graph, 1024 samples at 48 kHz.
    std::chrono::microseconds period() const;
    // How long after mixing them the null sink's monitor hands samples on: at once on PulseAudio, one period of
    // the graph later on PipeWire.
    std::chrono::microseconds monitorDelay() const;

    // PipeWire's own period, in samples at 48 kHz, as tests/sound-server configures it.
    static constexpr int OwnPeriod = 256;

    bool start() const;
    void stop() const;
    // Has PipeWire's graph run in periods of `samples` at 48 kHz, as on a desktop where nothing asks for less; 0
    // gives it back its own.
    bool forcePeriod(int samples);
    void kill() const;
    // The processor time the server's processes have taken so far, in seconds.
    double cpuSeconds() const;
    void clientEnvironment() const;

private:
    bool run(const QStringList &arguments) const;

    Kind m_kind;
    QString m_folder;
    int m_graphPeriod = OwnPeriod;
};
