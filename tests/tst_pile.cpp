#include "game/board.h"
#include "game/pile.h"

#include <QtTest>

#include <numeric>
#include <set>

class TestPile : public QObject
{
    Q_OBJECT

private slots:
    void dealFillsTheCellsRowByRowFromTheBottomLeft_data()
    {
        QTest::addColumn<int>("books");
        QTest::addColumn<int>("fullRows");
        QTest::addColumn<int>("inLastRow");
        QTest::newRow("Old") << 39 << 7 << 4;
        QTest::newRow("New") << 27 << 5 << 2;
    }

    void dealFillsTheCellsRowByRowFromTheBottomLeft()
    {
        QFETCH(int, books);
        QFETCH(int, fullRows);
        QFETCH(int, inLastRow);
        std::mt19937 generator(42);
        const std::vector<Pile::DealtBook> dealt = Pile::deal(books, generator);
        QCOMPARE(int(dealt.size()), books);
        std::set<std::pair<int, int>> cells;
        for (const Pile::DealtBook &book : dealt) {
            QVERIFY(book.jitter >= 0 && book.jitter <= 2);
            cells.insert({ book.cell.Row, book.cell.Column });
        }
        QCOMPARE(int(cells.size()), books);
        for (int row = 0; row < fullRows; ++row) {
            for (int column = 0; column < 5; ++column)
                QVERIFY(cells.count({ row, column }));
        }
        for (int column = 0; column < 5; ++column)
            QCOMPARE(bool(cells.count({ fullRows, column })), column < inLastRow);
    }

    void dealDrawsTheBookThenItsJitter()
    {
        // Replaying the draws by hand must give the same pile.
        std::mt19937 generator(7), replay(7);
        const std::vector<Pile::DealtBook> dealt = Pile::deal(27, generator);
        std::vector<int> waiting(27);
        std::iota(waiting.begin(), waiting.end(), 0);
        for (int cell = 0; cell < 27; ++cell) {
            const int r = std::uniform_int_distribution<int>(0, int(waiting.size()) - 1)(replay);
            const int index = waiting[r];
            waiting.erase(waiting.begin() + r);
            const int jitter = std::uniform_int_distribution<int>(0, 2)(replay);
            QCOMPARE(dealt[index].cell.Row, cell / 5);
            QCOMPARE(dealt[index].cell.Column, cell % 5);
            QCOMPARE(dealt[index].jitter, jitter);
        }
    }

    void everyJitterAndEveryCellOccur()
    {
        std::mt19937 generator(3);
        std::set<int> jitters;
        std::set<int> cellsOfGenesis;
        for (int deal = 0; deal < 2000; ++deal) {
            const std::vector<Pile::DealtBook> dealt = Pile::deal(39, generator);
            jitters.insert(dealt[0].jitter);
            cellsOfGenesis.insert(dealt[0].cell.Row * 5 + dealt[0].cell.Column);
        }
        QCOMPARE(jitters, (std::set<int> { 0, 1, 2 }));
        QCOMPARE(int(cellsOfGenesis.size()), 39);
    }

    void onlyBooksAboveInTheSameColumnDrop()
    {
        PileRecord cells {};
        // Column 2 holds indexes 4 (row 0), 0 (row 1), 7 (row 2), 3 (row 3); others elsewhere.
        cells[4] = { 0, 2 };
        cells[0] = { 1, 2 };
        cells[7] = { 2, 2 };
        cells[3] = { 3, 2 };
        cells[1] = { 0, 1 };
        cells[2] = { 2, 1 };
        cells[5] = { 0, 0 };
        cells[6] = { 1, 0 };
        QCOMPARE(Pile::booksAbove(cells, 0, 7, 0), (std::vector<int> {7, 3}));
        QCOMPARE(Pile::booksAbove(cells, 0, 7, 4), (std::vector<int> {0, 7, 3}));
        QCOMPARE(Pile::booksAbove(cells, 0, 7, 3), std::vector<int> {});
        // Entries outside the first and last index belong to no book of this game.
        QCOMPARE(Pile::booksAbove(cells, 0, 6, 0), (std::vector<int> {3}));
        QCOMPARE(Pile::booksAbove(cells, 1, 7, 4), (std::vector<int> {7, 3}));
    }

    void theTopCellOfTheGridIsWhereItShouldBe()
    {
        QCOMPARE(Board::pileTop(7), 271);
        QCOMPARE(Board::pileLeft(4, 0), 505);
        QCOMPARE(Board::pileLeft(4, 2), 507);
    }
};

QTEST_GUILESS_MAIN(TestPile)
#include "tst_pile.moc"
