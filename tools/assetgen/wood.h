#pragma once

#include <QColor>
#include <QRect>

#include <functional>

class QImage;

// Wood surfaces: rings warped by noise, fine fibres along the grain, and a light that the caller shapes.
namespace Wood {

struct Tone
{
    QColor light;
    QColor dark;
};

const Tone Honey { QColor(214, 150, 76), QColor(140, 80, 34) };
const Tone Walnut { QColor(112, 70, 40), QColor(66, 38, 20) };

enum class Grain { Horizontal, Vertical };

// Fills `area` of a Format_RGB32 image drawn `scale` times its size with grain; `area` and the pixel given to
// `light(x, y)`, which scales the colour, are in the unscaled picture's pixels. The grain itself is as fine as the
// image's pixels.
void paint(QImage &image, const QRect &area, Grain grain, const Tone &tone, quint32 seed,
    const std::function<double(int x, int y)> &light, int scale = 1);

} // namespace Wood
