#pragma once

#include "game/catalogue.h"

#include <array>
#include <random>
#include <vector>

// The pile cell a book was dealt into. It is kept for the whole game, also after the book has slid down.
struct PileCell
{
    int Row = 0;    // 0 = bottom row
    int Column = 0; // 0 = left column

    bool operator==(const PileCell &) const = default;
};

// One record per list index of the larger testament; a game uses the first bookCount() of them.
using PileRecord = std::array<PileCell, OTBookCount>;

namespace Pile {

struct DealtBook
{
    PileCell cell;
    int jitter = 0; // 0..2 pixels added to the column's left edge
};

// Lays `bookCount` books in random order into the cells, row by row from the bottom left. For each book the
// generator is asked first which of the books not yet dealt comes next, then for its jitter. Entry i of the
// result is where the book with list index i lies.
std::vector<DealtBook> deal(int bookCount, std::mt19937 &generator);

// The list indexes (firstIndex .. lastIndex, the books of the deal) of the books dealt into the same column above the
// book with list index `index`: they drop one row when it leaves the pile.
std::vector<int> booksAbove(const PileRecord &cells, int firstIndex, int lastIndex, int index);

} // namespace Pile
