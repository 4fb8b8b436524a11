#include "game/pilegrid.h"
#include "game/typeahead.h"

#include <QtTest>

#include <numeric>

namespace {

// A pile dealt in canonical order, row by row from the bottom left: index 5 * row + column lies in (row, column).
PileRecord inOrder(int books)
{
    PileRecord cells {};
    for (int index = 0; index < books; ++index)
        cells[index] = {index / Board::PileColumns, index % Board::PileColumns};
    return cells;
}

std::vector<int> allBut(int books, std::initializer_list<int> gone)
{
    std::vector<int> lying(books);
    std::iota(lying.begin(), lying.end(), 0);
    for (const int index : gone)
        lying.erase(std::find(lying.begin(), lying.end(), index));
    return lying;
}

const std::vector<int> NoBook;

} // namespace

// Where the keyboard goes in the pile: along rows and columns, to the nearest book when one leaves, and to a book
// found by typing its name.
class TestPileNavigation : public QObject
{
    Q_OBJECT

    using D = PileGrid::Direction;

private slots:
    void arrowsFollowRowsAndColumnsSkippingEmptyCells()
    {
        // Column 2 has lost three books: the others have dropped, and row 6 is empty there, so left and right jump
        // over the gap.
        const PileGrid grid(inOrder(39), allBut(39, {2, 7, 12}));
        QCOMPARE(grid.at({0, 2}), std::optional<int>(17));
        QCOMPARE(grid.cellOf(37), std::optional<PileCell>(PileCell {4, 2}));
        const std::vector<int> order = grid.inPileOrder();
        QCOMPARE(std::vector<int>(order.begin(), order.begin() + 6), (std::vector<int> {0, 1, 17, 3, 4, 5}));
        QCOMPARE(grid.neighbour(31, D::Right), std::optional<int>(33));
        QCOMPARE(grid.neighbour(33, D::Left), std::optional<int>(31));
        QCOMPARE(grid.neighbour(0, D::Up), std::optional<int>(5));
        QCOMPARE(grid.neighbour(5, D::Down), std::optional<int>(0));
        // At the edges the keyboard stays where it is.
        QCOMPARE(grid.neighbour(0, D::Left), std::nullopt);
        QCOMPARE(grid.neighbour(0, D::Down), std::nullopt);
        QCOMPARE(grid.neighbour(4, D::Right), std::nullopt);
        QCOMPARE(grid.neighbour(35, D::Up), std::nullopt);
        QCOMPARE(grid.neighbour(2, D::Up), std::nullopt); // a book that left the pile has no neighbours
    }

    void aLeavingBookHandsOnToTheOneDroppingInElseTheNearest()
    {
        const PileRecord cells = inOrder(39);
        // 2 leaves row 0: 7 drops into its cell.
        QCOMPARE(PileGrid(cells, allBut(39, {2})).nearest({0, 2}), std::optional<int>(7));
        // 37 leaves the top of column 2: the book below it is nearer than those beside it.
        QCOMPARE(PileGrid(cells, allBut(39, {37})).nearest({7, 2}), std::optional<int>(32));
        // The last book of a column leaves: the one beside it, the left one first.
        QCOMPARE(PileGrid(cells, {0, 2, 7}).nearest({0, 1}), std::optional<int>(0));
        QCOMPARE(PileGrid(cells, {3}).nearest({0, 0}), std::optional<int>(3));
        QCOMPARE(PileGrid(cells, NoBook).nearest({0, 0}), std::nullopt);
    }

    // What Space and Enter take after the name is typed: none once it fits no lying book.
    void typingFindsTheNextBookByItsName_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("found");
        QTest::newRow("Roman number") << "iik" << 11; // II Kings
        QTest::newRow("spoken number") << "2k" << 11; // 2 Kings
        QTest::newRow("without spaces") << "song" << 21; // Song of Solomon
        QTest::newRow("any case") << "EXO" << 1;
        QTest::newRow("whole name") << "ikings" << 10;
        QTest::newRow("one letter again steps on") << "jjj" << 17; // Joshua, Judges, Job
        QTest::newRow("nothing fits") << "x" << -1;
        QTest::newRow("run past its last match") << "exq" << -1;
    }

    void typingFindsTheNextBookByItsName()
    {
        QFETCH(QString, typed);
        QFETCH(int, found);
        const std::vector<int> order = PileGrid(inOrder(39), allBut(39, {})).inPileOrder();
        TypeAhead typeAhead;
        std::optional<int> at = 0;
        for (int i = 0; i < typed.size(); ++i) {
            if (const std::optional<int> next = typeAhead.type(typed.mid(i, 1), 100 * i, Testament::Old, order, at))
                at = next;
        }
        QCOMPARE(typeAhead.missed() ? -1 : *at, found);
    }

    void aPauseForgetsWhatWasTypedAndSearchesOnFromTheCurrentBook()
    {
        const std::vector<int> order {0, 10, 11, 3, 4}; // Genesis, I Kings, II Kings, Numbers, Deuteronomy
        TypeAhead typeAhead;
        QCOMPARE(typeAhead.type(QStringLiteral("i"), 0, Testament::Old, order, 0), std::optional<int>(10));
        // Still the same search: I Kings itself is tried first and fits "ik".
        QCOMPARE(typeAhead.type(QStringLiteral("k"), 999, Testament::Old, order, 10), std::optional<int>(10));
        QCOMPARE(typeAhead.typed(), QStringLiteral("ik"));
        // After a second's pause "i" starts anew, after the current book.
        QCOMPARE(typeAhead.type(QStringLiteral("i"), 1999, Testament::Old, order, 10), std::optional<int>(11));
        QCOMPARE(typeAhead.typed(), QStringLiteral("i"));
        // Round the end of the pile.
        QCOMPARE(typeAhead.type(QStringLiteral("g"), 5000, Testament::Old, order, 4), std::optional<int>(0));
        // New Testament names, and only books in the pile.
        QCOMPARE(typeAhead.type(QStringLiteral("jo"), 9000, Testament::New, {0, 25, 3}, 0), std::optional<int>(3));
        // A name that fits none leaves no book reached, after a pause too, until the player moves.
        QCOMPARE(typeAhead.type(QStringLiteral("q"), 11000, Testament::New, {0, 25, 3}, 3), std::nullopt);
        typeAhead.restart();
        QVERIFY(typeAhead.missed());
        typeAhead.reached();
        QVERIFY(!typeAhead.missed());
    }
};

QTEST_GUILESS_MAIN(TestPileNavigation)
#include "tst_pilenavigation.moc"
