#pragma once

#include <QColor>
#include <QImage>

class QPainterPath;

// Transparent pictures: the key colour fills everything outside the drawn shape and appears nowhere inside it,
// since a key-coloured pixel inside the art would become a hole.
namespace Keying {

enum class Edge { Hard, Smooth };

// Which pixels a shape covers, as a Grayscale8 image. With hard edges a pixel belongs to it when its centre lies
// inside, as a cut needs; with smooth ones the edge pixels are grey by how much of them lies inside. The shape and
// `size` are in the pixels of the picture at its own size; the image has `scale` times as many pixels each way.
QImage coverage(const QPainterPath &shape, const QSize &size, Edge edge = Edge::Hard, int scale = 1);
// Puts the key outside `inside` (non-zero pixels of a Grayscale8 image) and moves any art pixel that has the
// key colour one step off it.
void cut(QImage &picture, const QImage &inside, const QColor &key);
// The picture with every pixel of its key colour (the colour of its lower-left pixel) fully transparent, as the
// larger pictures are stored: drawn down to a size between, they then blend into the window and not into the key.
QImage cleared(const QImage &picture);

} // namespace Keying
