#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where everything stands on the board, in client pixels of the main window. Every coordinate of the bookcase
// and the pile is written here once.
namespace Board {

constexpr QSize LyingBookSize { 120, 20 };
constexpr QSize StandingBookSize { 20, 120 };

// Shelf slots: spines stand edge to edge from the left end of each shelf; the upper shelf takes 29.
constexpr int ShelfLeft = 22;
constexpr int UpperShelfTop = 133;
constexpr int LowerShelfTop = 268;
constexpr int UpperShelfCapacity = 29;

// The pile: 8 rows of 5 book-sized cells at the foot of the bookcase, row 0 at the bottom.
constexpr int PileRows = 8;
constexpr int PileColumns = 5;
constexpr int PileBottomRowTop = 411;
constexpr int PileColumnPitch = 125;
constexpr int PileLeft = 5;
constexpr int MaxJitter = 2;

// The top-left corner of the shelf slot of the book with list index `index` (tag - 1).
constexpr QPoint shelfSlot(int index)
{
    return index < UpperShelfCapacity
        ? QPoint(ShelfLeft + StandingBookSize.width() * index, UpperShelfTop)
        : QPoint(ShelfLeft + StandingBookSize.width() * (index - UpperShelfCapacity), LowerShelfTop);
}

constexpr int pileTop(int row)
{
    return PileBottomRowTop - LyingBookSize.height() * row;
}

constexpr int pileLeft(int column, int jitter)
{
    return PileColumnPitch * column + PileLeft + jitter;
}

// Everything a dealt book can cover, from the top row to the bottom one and from the first column unmoved to the
// last one moved furthest.
constexpr QRect pileArea()
{
    return QRect(QPoint(pileLeft(0, 0), pileTop(PileRows - 1)),
                 QPoint(pileLeft(PileColumns - 1, MaxJitter) + LyingBookSize.width() - 1,
                        pileTop(0) + LyingBookSize.height() - 1));
}

} // namespace Board
