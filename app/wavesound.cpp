#include "app/wavesound.h"

#include <QtEndian>

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
