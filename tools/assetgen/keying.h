#pragma once

#include <QColor>
#include <QImage>

class QPainterPath;

// Transparent pictures: the key colour fills everything outside the drawn shape and appears nowhere inside it,
// since a key-coloured pixel inside the art would become a hole.
namespace Keying {

enum class Edge { Hard, Smooth };

// Which pixels a shape covers, as a Grayscale8 image. With hard edges a pixel belongs to it when its centre lies
// inside, as a cut needs; with smooth ones the edge pixels are grey by how much of them lies inside.
QImage coverage(const QPainterPath &shape, const QSize &size, Edge edge = Edge::Hard);
// Puts the key outside `inside` (non-zero pixels of a Grayscale8 image) and moves any art pixel that has the
// key colour one step off it.
void cut(QImage &picture, const QImage &inside, const QColor &key);

} // namespace Keying
