#pragma once

#include <QImage>

#include <utility>

// The picture in the given 32-bit format with every pixel of the colour of its lower-left pixel fully transparent:
// what a transparent picture looks like. The program draws its pictures this way and the asset generator writes
// its see-through pictures this way, so the two agree pixel for pixel.
// A picture handed over (moved) is converted and keyed where it lies when it has the depth of the format, so that a
// large picture is not held twice while it is keyed.
inline QImage withKeyColourCleared(QImage picture, QImage::Format format)
{
    if (picture.isNull())
        return picture;
    QImage keyed = std::move(picture).convertToFormat(format);
    const QRgb key = reinterpret_cast<const QRgb *>(keyed.constScanLine(keyed.height() - 1))[0];
    for (int y = 0; y < keyed.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x) {
            if (line[x] == key)
                line[x] = qRgba(0, 0, 0, 0);
        }
    }
    return keyed;
}
