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
    // How long the sink may stay silent between a cut cue and the next. PulseAudio's sink answers at once;
    // PipeWire starts a new cue's stream only once its session manager has linked it, which took up to two such
    // periods on a busy machine.
    std::chrono::microseconds cutGap() const;

    bool start() const;
    void stop() const;
    // Has PipeWire's graph run in periods of `samples` at 48 kHz, as on a desktop where nothing asks for less; 0
    // gives it back its own.
    bool forcePeriod(int samples) const;
    void kill() const;
    void clientEnvironment() const;

private:
    bool run(const QStringList &arguments) const;

    Kind m_kind;
    QString m_folder;
};
