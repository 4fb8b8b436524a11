#pragma once

#include "game/catalogue.h"

#include <array>

// The pile cell a book was dealt into. It is kept for the whole game, also after the book has slid down.
struct PileCell
{
    int Row = 0;    // 0 = bottom row
    int Column = 0; // 0 = left column
};

// One record per list index of the larger testament; a game uses the first bookCount() of them.
using PileRecord = std::array<PileCell, OTBookCount>;
