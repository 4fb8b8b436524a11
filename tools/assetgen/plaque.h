#pragma once

#include "look/inscriptions.h"

#include <QColor>
#include <QImage>
#include <QPainterPath>

class QPainter;

// The dark wooden plaque with a gilt border that the two high-score dialogs are built on.
namespace Plaque {

const QColor Key(255, 255, 255);
// The gilt of the border and of the lettering the program puts on the plaques.
const QColor Gold(Inscriptions::PlaqueGold);

// The plaque's outline inside a picture of the given size, leaving `right` and `bottom` columns and rows of margin.
QPainterPath outline(const QSize &size, int right = 1, int bottom = 1);
// A picture filled with the key and the plaque drawn on it (wood, shading and the gilt border), `scale` times
// `size`; the shape is in the pixels of `size`.
QImage blank(const QSize &size, const QPainterPath &shape, quint32 seed, int scale = 1);
// A well sunk into the plaque, dark enough for red initials and a black display to sit on.
void paintSlot(QPainter &painter, const QRect &slot);

} // namespace Plaque
