#pragma once

#include <QByteArray>

#include <optional>
#include <vector>

// The sound of a RIFF WAVE file with uncompressed PCM samples, 8-bit unsigned or 16-bit signed little-endian:
// its format and its sample bytes exactly as stored. Chunks other than the format and the data are skipped.
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

    // The sound as floats from -1 to 1, its channels mixed to one, at `rate` samples per second: band-limited
    // (a Hann-windowed sinc), so that a sound of another rate keeps its shape and brings no new tones.
    std::vector<float> monoAt(int rate) const;
};
