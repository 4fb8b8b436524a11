#include "game/pilegrid.h"

#include <algorithm>
#include <limits>

namespace {

bool onBoard(PileCell cell)
{
    return cell.Row >= 0 && cell.Row < Board::PileRows && cell.Column >= 0 && cell.Column < Board::PileColumns;
}

} // namespace

PileGrid::PileGrid(const PileRecord &dealt, const std::vector<int> &lying)
{
    for (auto &row : m_cells)
        row.fill(NoBook);
    // A column's books keep the order they were dealt in; only the gaps below them close.
    std::vector<int> byDealtRow;
    for (const int index : lying) {
        if (index >= 0 && index < int(dealt.size()) && onBoard(dealt[index]))
            byDealtRow.push_back(index);
    }
    std::stable_sort(
        byDealtRow.begin(), byDealtRow.end(), [&dealt](int a, int b) { return dealt[a].Row < dealt[b].Row; });
    std::array<int, Board::PileColumns> height {};
    for (const int index : byDealtRow) {
        const int column = dealt[index].Column;
        if (height[column] == Board::PileRows)
            continue; // more books recorded in a column than it holds: the pile shows the first ones
        m_cells[height[column]++][column] = index;
    }
}

std::optional<int> PileGrid::at(PileCell cell) const
{
    if (!onBoard(cell) || m_cells[cell.Row][cell.Column] == NoBook)
        return std::nullopt;
    return m_cells[cell.Row][cell.Column];
}

std::optional<PileCell> PileGrid::cellOf(int index) const
{
    for (int row = 0; row < Board::PileRows; ++row) {
        for (int column = 0; column < Board::PileColumns; ++column) {
            if (m_cells[row][column] == index && index != NoBook)
                return PileCell {row, column};
        }
    }
    return std::nullopt;
}

std::vector<int> PileGrid::inPileOrder() const
{
    std::vector<int> order;
    for (const auto &row : m_cells) {
        for (const int index : row) {
            if (index != NoBook)
                order.push_back(index);
        }
    }
    return order;
}

std::optional<int> PileGrid::neighbour(int index, Direction direction) const
{
    const std::optional<PileCell> from = cellOf(index);
    if (!from)
        return std::nullopt;
    switch (direction) {
    case Direction::Up:
        return at({from->Row + 1, from->Column});
    case Direction::Down:
        return at({from->Row - 1, from->Column});
    case Direction::Left:
    case Direction::Right:
        break;
    }
    const int step = direction == Direction::Left ? -1 : 1;
    for (int column = from->Column + step; column >= 0 && column < Board::PileColumns; column += step) {
        if (const std::optional<int> found = at({from->Row, column}))
            return found;
    }
    return std::nullopt;
}

std::optional<int> PileGrid::nearest(PileCell cell) const
{
    // Measured on the board, where the next column is over six times as far away as the next row: the book below in the
    // same column comes before the one beside it. Among equals the first in pile order wins.
    std::optional<int> best;
    long bestDistance = std::numeric_limits<long>::max();
    for (int row = 0; row < Board::PileRows; ++row) {
        for (int column = 0; column < Board::PileColumns; ++column) {
            if (m_cells[row][column] == NoBook)
                continue;
            const long dx = long(Board::PileColumnPitch) * (column - cell.Column);
            const long dy = long(Board::LyingBookSize.height()) * (row - cell.Row);
            if (dx * dx + dy * dy < bestDistance) {
                bestDistance = dx * dx + dy * dy;
                best = m_cells[row][column];
            }
        }
    }
    return best;
}
