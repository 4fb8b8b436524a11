#pragma once

#include "game/catalogue.h"

#include <QImage>

// Every picture the main window shows comes from here.
namespace Artwork {

enum class Switch { Go, Testament, Hints };

QImage bookcase();
QImage panel();
QImage lyingBook(Testament testament, int tag);
// The lying picture turned a quarter turn clockwise, so the name reads top to bottom.
QImage standingBook(Testament testament, int tag);
QImage switchPicture(Switch which, bool checked);

} // namespace Artwork
