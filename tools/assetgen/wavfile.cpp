#include "wavfile.h"

#include "littleendian.h"

#include <algorithm>
#include <cmath>

namespace WavFile {

using namespace LittleEndian;

QByteArray monoPcm(int sampleRate, int bitsPerSample, const std::vector<double> &samples)
{
    const int bytesPerSample = bitsPerSample / 8;
    const quint32 dataBytes = quint32(samples.size()) * quint32(bytesPerSample);
    // RIFF chunks start on even offsets: an odd data chunk is followed by one pad byte.
    const quint32 pad = dataBytes % 2;

    QByteArray out;
    out.append("RIFF", 4);
    put32(out, 4 + (8 + 16) + (8 + dataBytes + pad));
    out.append("WAVE", 4);
    out.append("fmt ", 4);
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, 1); // mono
    put32(out, quint32(sampleRate));
    put32(out, quint32(sampleRate * bytesPerSample));
    put16(out, quint16(bytesPerSample));
    put16(out, quint16(bitsPerSample));
    out.append("data", 4);
    put32(out, dataBytes);
    for (const double sample : samples) {
        const double clipped = std::clamp(sample, -1.0, 1.0);
        if (bitsPerSample == 8)
            out.append(char(quint8(std::lround(128 + clipped * 127))));
        else
            put16(out, quint16(qint16(std::lround(clipped * 32767))));
    }
    out.append(int(pad), '\0');
    return out;
}

} // namespace WavFile
