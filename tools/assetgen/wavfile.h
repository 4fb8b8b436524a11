#pragma once

#include <QByteArray>

#include <vector>

// A RIFF WAVE file holding mono PCM: a "fmt " chunk and a "data" chunk, nothing else.
namespace WavFile {

// `samples` lie in -1..1; 8-bit samples are stored unsigned around 128, 16-bit ones signed little-endian.
QByteArray monoPcm(int sampleRate, int bitsPerSample, const std::vector<double> &samples);

} // namespace WavFile
