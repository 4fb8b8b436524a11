#pragma once

#include "app/artwork.h"
#include "game/catalogue.h"

#include <QImage>

// Every picture of the game, drawn in true colour (Format_RGB32). Transparent pictures come with their key colour
// already around the shape; the icon comes as ARGB32, at 16 and 32 px with fully opaque or fully clear pixels only
// (the icon file's one-bit mask), larger with smooth edges and a soft shadow.
namespace Pictures {

QImage bookcase();
QImage panel();
// Drawn `scale` times the 120 x 20 size, lettered at that size.
QImage lyingBook(Testament testament, int tag, int scale = 1);
// The lying picture turned a quarter turn clockwise, so the name reads from top to bottom.
QImage standingBook(const QImage &lying);
QImage switchPicture(Artwork::Switch which, bool checked);
QImage scoreBoard(Testament testament);
QImage congratsBackdrop();
QImage splash();
QImage icon(int size);

} // namespace Pictures
