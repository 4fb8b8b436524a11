#include "keying.h"

#include "controls/keycolour.h"

#include <QPainter>
#include <QPainterPath>

namespace Keying {

QImage coverage(const QPainterPath &shape, const QSize &size, Edge edge, int scale)
{
    QImage mask(size * scale, QImage::Format_Grayscale8);
    mask.fill(0);
    QPainter painter(&mask);
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing, edge == Edge::Smooth);
    painter.fillPath(shape, Qt::white);
    return mask;
}

void cut(QImage &picture, const QImage &inside, const QColor &key)
{
    const QRgb keyRgb = key.rgb();
    // The nearest colour that is not the key: one step on the channel that has room for it.
    const QRgb nudged = qBlue(keyRgb) > 0 ? keyRgb - 1 : keyRgb + 1;
    for (int y = 0; y < picture.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(picture.scanLine(y));
        const uchar *mask = inside.constScanLine(y);
        for (int x = 0; x < picture.width(); ++x) {
            if (!mask[x])
                line[x] = keyRgb;
            else if ((line[x] | 0xff000000U) == keyRgb)
                line[x] = nudged;
        }
    }
}

QImage cleared(const QImage &picture)
{
    return withKeyColourCleared(picture, QImage::Format_ARGB32);
}

} // namespace Keying
