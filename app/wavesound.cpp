#include "app/wavesound.h"

#include <QtEndian>

#include <cmath>

namespace {

quint32 read32(const QByteArray &bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

quint16 read16(const QByteArray &bytes, qsizetype at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

} // namespace

std::optional<WaveSound> WaveSound::fromBytes(const QByteArray &bytes)
{
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return std::nullopt;
    WaveSound sound;
    bool haveFormat = false;
    qsizetype at = 12;
    while (at + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(at, 4);
        const qsizetype size = read32(bytes, at + 4);
        const qsizetype body = at + 8;
        // A data chunk that claims more than the file holds is taken as far as it goes.
        const qsizetype available = std::min(size, bytes.size() - body);
        if (id == "fmt ") {
            if (available < 16 || read16(bytes, body) != 1)
                return std::nullopt;
            sound.channels = read16(bytes, body + 2);
            sound.sampleRate = int(read32(bytes, body + 4));
            sound.bitsPerSample = read16(bytes, body + 14);
            haveFormat = true;
        } else if (id == "data" && haveFormat) {
            if (sound.channels < 1 || sound.channels > 8 || sound.sampleRate < 1000 || sound.sampleRate > 384000
                || (sound.bitsPerSample != 8 && sound.bitsPerSample != 16))
                return std::nullopt;
            const qsizetype frameBytes = sound.channels * sound.bitsPerSample / 8;
            sound.samples = bytes.mid(body, available - available % frameBytes);
            if (sound.samples.isEmpty())
                return std::nullopt;
            return sound;
        }
        // Chunks start on even offsets.
        at = body + size + size % 2;
    }
    return std::nullopt;
}

std::vector<float> WaveSound::monoAt(int rate) const
{
    const int frames = frameCount();
    const int sampleBytes = bitsPerSample / 8;
    std::vector<float> mono(std::size_t(frames), 0.0f);
    for (int i = 0; i < frames; ++i) {
        const char *frame = samples.constData() + qsizetype(i) * channels * sampleBytes;
        float sum = 0;
        for (int channel = 0; channel < channels; ++channel) {
            const char *sample = frame + channel * sampleBytes;
            sum += bitsPerSample == 8 ? (float(quint8(sample[0])) - 128.0f) / 128.0f
                                      : float(qFromLittleEndian<qint16>(sample)) / 32768.0f;
        }
        mono[std::size_t(i)] = sum / float(channels);
    }
    if (rate == sampleRate)
        return mono;
    constexpr int Taps = 24;
    const double ratio = double(sampleRate) / rate;
    // Made slower, a sound keeps only what the new rate can carry.
    const double cutoff = std::min(1.0, 1.0 / ratio);
    const double reach = Taps / cutoff;
    std::vector<float> out(std::size_t(double(frames) / ratio));
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double centre = double(i) * ratio;
        double sum = 0;
        for (int j = int(std::ceil(centre - reach)); j <= int(std::floor(centre + reach)); ++j) {
            if (j < 0 || j >= frames)
                continue;
            const double x = (centre - j) * cutoff;
            const double sinc = x == 0 ? 1 : std::sin(M_PI * x) / (M_PI * x);
            const double window = 0.5 + 0.5 * std::cos(M_PI * x / Taps);
            sum += mono[std::size_t(j)] * sinc * window * cutoff;
        }
        out[i] = float(sum);
    }
    return out;
}
