#include "wood.h"

#include "texture.h"

#include <QImage>

#include <cmath>

namespace Wood {

void paint(QImage &image, const QRect &area, Grain grain, const Tone &tone, quint32 seed,
    const std::function<double(int x, int y)> &light, int scale)
{
    const QRect clipped = QRect(area.topLeft() * scale, area.size() * scale) & image.rect();
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        const double v = (y + 0.5) / scale - 0.5;
        for (int x = clipped.left(); x <= clipped.right(); ++x) {
            // Along and across the grain, in the piece's own coordinates.
            const double u = (x + 0.5) / scale - 0.5;
            const double along = grain == Grain::Horizontal ? u - area.left() : v - area.top();
            const double across = grain == Grain::Horizontal ? v - area.top() : u - area.left();
            const double warp = Texture::fractal(along * 0.006, across * 0.05, seed, 3) * 9.0
                + Texture::noise(along * 0.02, across * 0.02, seed + 3) * 2.0;
            const double rings = across * 0.16 + warp;
            const double ringLine = std::pow(0.5 + 0.5 * std::cos(2 * M_PI * rings), 5);
            const double fibre = Texture::noise(along * 0.35, across * 2.2, seed + 11);
            const double figure = Texture::fractal(along * 0.01, across * 0.08, seed + 23, 2);
            const double darkness = 0.42 * ringLine + 0.22 * fibre + 0.36 * figure;
            const QColor colour = Texture::mix(tone.light, tone.dark, darkness * 0.85);
            line[x] = Texture::scaled(colour, light(x / scale, y / scale)).rgb();
        }
    }
}

} // namespace Wood
