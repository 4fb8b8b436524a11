#include "texture.h"

#include <algorithm>
#include <cmath>

namespace Texture {

namespace {

quint32 mixBits(quint32 value)
{
    value ^= value >> 16;
    value *= 0x7feb352dU;
    value ^= value >> 15;
    value *= 0x846ca68bU;
    value ^= value >> 16;
    return value;
}

double smooth(double t)
{
    return t * t * (3.0 - 2.0 * t);
}

int clampChannel(double value)
{
    return std::clamp(int(std::lround(value)), 0, 255);
}

} // namespace

double hash(int x, int y, quint32 seed)
{
    const quint32 bits = mixBits(quint32(x) * 0x9e3779b1U ^ mixBits(quint32(y) * 0x85ebca77U ^ mixBits(seed)));
    return (bits >> 8) / double(1 << 24);
}

double noise(double x, double y, quint32 seed)
{
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const int ix = int(fx);
    const int iy = int(fy);
    const double tx = smooth(x - fx);
    const double ty = smooth(y - fy);
    const double top = hash(ix, iy, seed) + (hash(ix + 1, iy, seed) - hash(ix, iy, seed)) * tx;
    const double bottom = hash(ix, iy + 1, seed) + (hash(ix + 1, iy + 1, seed) - hash(ix, iy + 1, seed)) * tx;
    return top + (bottom - top) * ty;
}

double fractal(double x, double y, quint32 seed, int octaves)
{
    double sum = 0;
    double weight = 1;
    double total = 0;
    for (int octave = 0; octave < octaves; ++octave) {
        sum += noise(x, y, seed + quint32(octave) * 7919U) * weight;
        total += weight;
        x *= 2;
        y *= 2;
        weight /= 2;
    }
    return sum / total;
}

QColor mix(const QColor &from, const QColor &to, double amount)
{
    return QColor(clampChannel(from.red() + (to.red() - from.red()) * amount),
        clampChannel(from.green() + (to.green() - from.green()) * amount),
        clampChannel(from.blue() + (to.blue() - from.blue()) * amount));
}

QColor scaled(const QColor &colour, double factor)
{
    return QColor(clampChannel(colour.red() * factor), clampChannel(colour.green() * factor),
        clampChannel(colour.blue() * factor));
}

} // namespace Texture
