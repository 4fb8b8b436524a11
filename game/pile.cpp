#include "game/pile.h"

#include "game/board.h"

#include <numeric>

namespace Pile {

std::vector<DealtBook> deal(int bookCount, std::mt19937 &generator)
{
    std::vector<DealtBook> dealt(std::max(bookCount, 0));
    std::vector<int> waiting(dealt.size());
    std::iota(waiting.begin(), waiting.end(), 0);
    for (int row = 0; row < Board::PileRows; ++row) {
        for (int column = 0; column < Board::PileColumns && !waiting.empty(); ++column) {
            const int r = std::uniform_int_distribution<int>(0, int(waiting.size()) - 1)(generator);
            const int index = waiting[r];
            waiting.erase(waiting.begin() + r);
            const int jitter = std::uniform_int_distribution<int>(0, Board::MaxJitter)(generator);
            dealt[index] = { { row, column }, jitter };
        }
    }
    return dealt;
}

std::vector<int> booksAbove(const PileRecord &cells, int firstIndex, int lastIndex, int index)
{
    std::vector<int> above;
    const PileCell from = cells[index];
    for (int row = from.Row + 1; row < Board::PileRows; ++row) {
        for (int other = firstIndex; other <= lastIndex; ++other) {
            if (cells[other] == PileCell { row, from.Column }) {
                above.push_back(other);
                break;
            }
        }
    }
    return above;
}

} // namespace Pile
