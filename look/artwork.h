#pragma once

#include "game/catalogue.h"

#include <QIcon>
#include <QImage>

// Every picture of the program, read from its compiled-in resources: at `scale` 1 the picture itself, at 2 the
// same picture drawn at twice the size for screens of a higher pixel ratio. The books, the panel and the switches
// come lettered in the player's language (look/inscriptions.h).
namespace Artwork {

enum class Switch { Go, Testament, Hints };

// The pictures as stored. Where the first paint shows one, it comes at `scale` 1 from what was converted when the
// program was built, already in the screen's form (look/screenpictures.h).
QImage bookcase(int scale = 1);
QImage panel(int scale = 1);
QImage lyingBook(Testament testament, int tag, int scale = 1);
// The lying picture turned a quarter turn clockwise, so the name reads top to bottom.
QImage standingBook(Testament testament, int tag, int scale = 1);
QImage switchPicture(Switch which, bool checked, int scale = 1);

// The high-score dialog's two boards (Old 299 x 376, New 298 x 375) and the initials dialog's backdrop (375 x 253).
QImage scoreBoard(Testament testament, int scale = 1);
QImage congratsBackdrop(int scale = 1);
// The splash window's title art, 332 x 305.
QImage splash(int scale = 1);

// The three transparent pictures of the first paint as they are drawn: with the key colour left out, premultiplied
// as the screen takes them, the splash and the bookcase read where they lie in the program. At `scale` 2 the same
// as bookcase(2) and so on, which come without the key colour.
QImage keyedBookcase(int scale = 1);
QImage keyedPanel(int scale = 1);
QImage keyedSplash(int scale = 1);
// The largest size of the icon that the program's windows carry.
constexpr int WindowIconLargest = 48;

// The program icon for the windows: its 32 x 32 and 16 x 16 sizes from the icon file, and the icon theme's
// sizes up to WindowIconLargest.
QIcon programIcon();

} // namespace Artwork
