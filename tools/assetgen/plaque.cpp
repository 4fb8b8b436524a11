#include "plaque.h"

#include "texture.h"
#include "wood.h"

#include <QPainter>

#include <cmath>

namespace Plaque {

QPainterPath outline(const QSize &size, int right, int bottom)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(1, 1, size.width() - 1 - right, size.height() - 1 - bottom), 14, 14);
    return path;
}

QImage blank(const QSize &size, const QPainterPath &shape, quint32 seed, int scale)
{
    QImage image(size * scale, QImage::Format_RGB32);
    image.fill(Key);
    const QRectF bounds = shape.boundingRect();
    Wood::paint(
        image, QRect(QPoint(0, 0), size), Wood::Grain::Horizontal, Wood::Walnut, seed,
        [&](int x, int y) {
            // A soft light from above left, falling off towards the lower right.
            const double across = (x - bounds.left()) / bounds.width();
            const double down = (y - bounds.top()) / bounds.height();
            return 1.12 - 0.22 * down - 0.1 * across;
        },
        scale);
    QPainter painter(&image);
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(30, 16, 8), 2));
    painter.drawPath(shape);
    // A gilt rule inset from the edge, with its shadow.
    const QRectF border = bounds.adjusted(6, 6, -6, -6);
    painter.setPen(QPen(Texture::scaled(Gold, 0.55), 1));
    painter.drawRoundedRect(border.translated(0.5, 0.5), 9, 9);
    painter.setPen(QPen(Gold, 1));
    painter.drawRoundedRect(border.translated(-0.5, -0.5), 9, 9);
    return image;
}

void paintSlot(QPainter &painter, const QRect &slot)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(150, 112, 70, 110));
    painter.drawRoundedRect(QRectF(slot).adjusted(-1, -1, 1, 1.5), 5, 5);
    painter.setBrush(QColor(10, 7, 5));
    painter.drawRoundedRect(QRectF(slot), 4, 4);
    painter.setBrush(QColor(20, 15, 12));
    painter.drawRoundedRect(QRectF(slot).adjusted(1, 2, -1, -1), 3, 3);
    painter.restore();
}

} // namespace Plaque
