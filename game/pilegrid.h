#pragma once

#include "game/board.h"
#include "game/pile.h"

#include <array>
#include <optional>
#include <vector>

// The books lying in the pile as they lie now, cell by cell. A book leaving the pile lets the books above it drop,
// so each column is a stack without gaps in the order the books were dealt into it. The grid answers where the
// keyboard's focus goes: to a neighbour, or to the nearest book when the focused one has left.
class PileGrid
{
public:
    enum class Direction { Left, Right, Up, Down };

    // `lying` holds the list indexes of the books still in the pile; `dealt` is where each of them was dealt.
    PileGrid(const PileRecord &dealt, const std::vector<int> &lying);

    // The list index of the book lying in the cell, if any.
    std::optional<int> at(PileCell cell) const;
    std::optional<PileCell> cellOf(int index) const;

    // Row by row from the bottom left, the order in which the pile is read out.
    std::vector<int> inPileOrder() const;

    // The next book from `index` in that direction: along its row to either side, skipping empty cells, or up
    // and down its column. None at the edge of the pile.
    std::optional<int> neighbour(int index, Direction direction) const;

    // The book in the cell, else the one nearest to it on the board; none in an empty pile.
    std::optional<int> nearest(PileCell cell) const;

private:
    static constexpr int NoBook = -1;
    std::array<std::array<int, Board::PileColumns>, Board::PileRows> m_cells {};
};
