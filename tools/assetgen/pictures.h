#pragma once

#include "game/catalogue.h"
#include "look/artwork.h"

#include <QImage>

// Every picture of the game, drawn in true colour (Format_RGB32). Transparent pictures come with their key colour
// already around the shape; the icon comes as ARGB32, at 16 and 32 px with fully opaque or fully clear pixels only
// (the icon file's one-bit mask), larger with smooth edges and a soft shadow.
//
// Each picture can be drawn `scale` times its size for screens of a higher pixel ratio: from the same drawing,
// with its text and lines laid out for the larger size and its surfaces as fine as its pixels.
namespace Pictures {

QImage bookcase(int scale = 1);
QImage panel(int scale = 1);
// The spine every book shares, lying, bare where the program letters the name.
QImage spine(int scale = 1);
QImage switchPicture(Artwork::Switch which, bool checked, int scale = 1);
QImage scoreBoard(Testament testament, int scale = 1);
QImage congratsBackdrop(int scale = 1);
QImage splash(int scale = 1);
QImage icon(int size);
// The icon as an SVG drawing, for the icon theme's scalable size.
QByteArray scalableIcon();

} // namespace Pictures
