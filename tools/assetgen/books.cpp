#include "pictures.h"
#include "texture.h"

#include <algorithm>
#include <cmath>

namespace Pictures {

namespace {

// A matched set: every spine is the same leather with the same gilt tooling, so the name the program letters on it
// (look/inscriptions.h) is the only thing that tells one book from another.
constexpr int Length = 120;
constexpr int Thickness = 20;
// Every spine is grained from the same seed.
constexpr quint32 LeatherSeed = 1881;

const QColor Leather(104, 26, 34);
const QColor Gilt(222, 186, 104);
const QColor GiltLight(250, 228, 160);
const QColor GiltDark(140, 104, 44);

// The light across a rounded spine at `across` (0 at the top edge, 1 at the bottom): brightest a little above
// the middle, darker towards both edges.
double roundness(double across)
{
    return 0.62 + 0.5 * std::pow(std::sin(M_PI * std::clamp(across * 1.08 - 0.02, 0.0, 1.0)), 0.7);
}

// Gilt on the rounded spine: bright where the spine turns to the light, dark where it falls away.
QColor giltAt(double across)
{
    const double light = roundness(across);
    return light > 1.02 ? Texture::mix(Gilt, GiltLight, (light - 1.02) * 6)
                        : Texture::mix(GiltDark, Gilt, (light - 0.62) / 0.4);
}

// Along the spine, in spine pixels: what lies there besides plain leather.
enum class Tooling { Leather, Rule, BandLight, Band, BandShade, Edge };

Tooling toolingAt(int along)
{
    const int fromEnd = std::min(along, Length - 1 - along);
    // A worn head and tail, then a double gilt rule, a raised band and one more rule on its inner side.
    switch (fromEnd) {
    case 0:
    case 1:
        return Tooling::Edge;
    case 3:
    case 8:
        return Tooling::Rule;
    case 4:
        return Tooling::BandLight;
    case 5:
        return Tooling::Band;
    case 6:
        return Tooling::BandShade;
    default:
        return Tooling::Leather;
    }
}

// The leather at one pixel of a picture drawn `scale` times the spine's size: a fine grain and a slow mottle,
// lit by the spine's roundness.
QColor leatherAt(int x, int y, int scale)
{
    const double along = (x + 0.5) / scale;
    const double across = (y + 0.5) / scale;
    const double grain = (Texture::hash(x, y, LeatherSeed) - 0.5) * 0.07;
    const double mottle = (Texture::fractal(along / 7.0, across / 3.0, LeatherSeed + 1, 2) - 0.5) * 0.16;
    return Texture::scaled(Leather, roundness(across / Thickness) + grain + mottle);
}

QColor spineAt(int x, int y, int scale)
{
    const double across = (y + 0.5) / scale / Thickness;
    switch (toolingAt(x / scale)) {
    case Tooling::Edge:
        return Texture::scaled(leatherAt(x, y, scale), 0.72 + 0.1 * std::min(x, Length * scale - 1 - x) / scale);
    case Tooling::Rule:
        return giltAt(across);
    case Tooling::BandLight:
        return Texture::scaled(leatherAt(x, y, scale), 1.18);
    case Tooling::Band:
        return Texture::scaled(leatherAt(x, y, scale), 1.08);
    case Tooling::BandShade:
        return Texture::scaled(leatherAt(x, y, scale), 0.7);
    case Tooling::Leather:
        break;
    }
    return leatherAt(x, y, scale);
}

} // namespace

QImage spine(int scale)
{
    QImage image(Length * scale, Thickness * scale, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = spineAt(x, y, scale).rgb();
    }
    return image;
}

} // namespace Pictures
