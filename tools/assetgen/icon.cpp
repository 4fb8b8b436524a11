#include "pictures.h"
#include "texture.h"

#include <QPainter>

namespace Pictures {

namespace {

struct Spine
{
    int left;
    int top;
    int width;
    QColor cloth;
};

// A spine drawn pixel by pixel: lit left edge, shaded right edge, gilt bands near both ends.
void paintSpine(QImage &image, const Spine &spine, int bottom, int bandInset)
{
    const QColor gilt(236, 196, 96);
    for (int y = spine.top; y <= bottom; ++y) {
        for (int x = spine.left; x < spine.left + spine.width; ++x) {
            QColor colour = spine.cloth;
            if (x == spine.left)
                colour = Texture::mix(spine.cloth, Qt::white, 0.3);
            else if (x == spine.left + spine.width - 1)
                colour = Texture::scaled(spine.cloth, 0.6);
            if (y == spine.top + bandInset || y == bottom - bandInset)
                colour = x == spine.left + spine.width - 1 ? Texture::scaled(gilt, 0.7) : gilt;
            if (y == spine.top)
                colour = Texture::scaled(colour, 0.8);
            image.setPixelColor(x, y, colour);
        }
    }
}

void paintShelf(QImage &image, int top, int height)
{
    for (int y = top; y < top + height; ++y) {
        const QColor colour = y == top ? QColor(240, 192, 120)
            : y == top + height - 1    ? QColor(122, 74, 34)
                                       : QColor(200, 140, 72);
        for (int x = 0; x < image.width(); ++x)
            image.setPixelColor(x, y, colour);
    }
}

} // namespace

QImage icon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    const QColor burgundy(150, 34, 46);
    const QColor navy(40, 62, 136);
    const QColor forest(36, 118, 66);
    const QColor ochre(196, 136, 40);
    if (size >= 32) {
        paintShelf(image, 26, 4);
        paintSpine(image, { 2, 2, 8, burgundy }, 25, 3);
        paintSpine(image, { 10, 6, 7, navy }, 25, 2);
        paintSpine(image, { 17, 3, 7, forest }, 25, 3);
        paintSpine(image, { 24, 9, 6, ochre }, 25, 2);
    } else {
        paintShelf(image, 13, 2);
        paintSpine(image, { 1, 2, 4, burgundy }, 12, 1);
        paintSpine(image, { 5, 4, 3, navy }, 12, 1);
        paintSpine(image, { 8, 3, 4, forest }, 12, 1);
        paintSpine(image, { 12, 5, 3, ochre }, 12, 1);
    }
    return image;
}

} // namespace Pictures
