#pragma once

#include <QByteArray>

#include <optional>

// The sound of a RIFF WAVE file with uncompressed PCM samples, 8-bit unsigned or 16-bit signed little-endian:
// its format and its sample bytes exactly as stored, so that the sound server is handed the file's own format.
// Chunks other than the format and the data are skipped.
struct WaveSound
{
    int sampleRate = 0;
    int channels = 0;
    int bitsPerSample = 0;
    QByteArray samples; // whole frames only

    // The sound of a file's bytes, or none where they are no such file.
    static std::optional<WaveSound> fromBytes(const QByteArray &bytes);

    int frameCount() const { return int(samples.size()) / (channels * bitsPerSample / 8); }
    double seconds() const { return double(frameCount()) / sampleRate; }
};
