#include "game/progress.h"
#include "game/round.h"

#include <QtTest>

// What the round records of each book, played on the round alone with a clock the test moves, and what the sum of
// the games says.
class TestProgress : public QObject
{
    Q_OBJECT

private:
    std::int64_t m_now = 0;

    // Plays one game of the script: "+N" lets N ms pass, "c" clicks the wanted book, "w" a wrong one, "t" lets the
    // countdown run out with a tick every `tickMs`, "h" switches hints on, "S" presses STOP.
    Progress play(Round &round, const QString &script, int tickMs)
    {
        round.start(Testament::Old);
        round.BookSetup(7);
        for (const QString &move : script.split(u' ', Qt::SkipEmptyParts)) {
            if (move.startsWith(u'+'))
                m_now += move.mid(1).toInt();
            else if (move == u"c")
                round.click(round.WantedIndex());
            else if (move == u"w")
                round.click(round.WantedIndex() == 0 ? 1 : 0);
            else if (move == u"h")
                round.setHints(true);
            else if (move == u"S")
                round.stop();
            else if (move == u"t") {
                for (Round::Outcome outcome = Round::Outcome::CountedDown; outcome == Round::Outcome::CountedDown;) {
                    m_now += tickMs;
                    outcome = round.tick().outcome;
                }
            }
        }
        // Whatever comes after the end is no part of the game.
        m_now += 5000;
        round.click(round.WantedIndex());
        return round.record();
    }

    // The book's figures after the "=": "games,found,timeouts,wrong,tenths".
    static BookProgress figures(const QString &entry)
    {
        const QStringList counts = entry.section(u'=', 1).split(u',');
        return {counts[0].toInt(), counts[1].toInt(), counts[2].toInt(), counts[3].toInt(), counts[4].toInt()};
    }

private slots:
    void gamesAddUpBookByBook_data()
    {
        QTest::addColumn<QStringList>("games");
        QTest::addColumn<int>("tickMs");
        // Book number = games,found,timeouts,wrong,tenths; books not named were never wanted.
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QList<int>>("slowest");
        QTest::addColumn<QList<int>>("costliest");

        QTest::newRow("found, then stopped at once")
            << QStringList {"+1230 c +800 c S"} << 100 << "1=1,1,0,0,12 2=1,1,0,0,8 3=1,0,0,0,0" << QList<int> {0, 1}
            << QList<int> {};
        QTest::newRow("wrong clicks belong to the wanted book")
            << QStringList {"+500 w w +449 c +100 w +2000 c S"} << 100 << "1=1,1,0,2,9 2=1,1,0,1,21 3=1,0,0,0,0"
            << QList<int> {1, 0} << QList<int> {0, 1};
        QTest::newRow("a time-out at full speed")
            << QStringList {"c t S"} << 100 << "1=1,1,0,0,0 2=1,0,1,0,101 3=1,0,0,0,0" << QList<int> {1}
            << QList<int> {1};
        QTest::newRow("real time, whatever the countdown's pace")
            << QStringList {"h c t +300 S"} << 200 << "1=1,1,0,0,0 2=1,0,1,0,102 3=1,0,0,0,3" << QList<int> {1, 2}
            << QList<int> {1};
        QTest::newRow("the book wanted at STOP was reached")
            << QStringList {"+2000 S"} << 100 << "1=1,0,0,0,20" << QList<int> {0} << QList<int> {};
        QTest::newRow("a second game adds to the first")
            << QStringList {"+1000 c +500 w S", "+3000 w c t S"} << 100 << "1=2,2,0,1,40 2=2,0,1,1,106 3=1,0,0,0,0"
            << QList<int> {1, 0} << QList<int> {1, 0};
        QTest::newRow("ties keep the order of the Bible")
            << QStringList {"+1000 w c +1000 w c +1000 w c +1000 w c S"} << 100
            << "1=1,1,0,1,10 2=1,1,0,1,10 3=1,1,0,1,10 4=1,1,0,1,10 5=1,0,0,0,0" << QList<int> {0, 1, 2}
            << QList<int> {0, 1, 2};
    }

    void gamesAddUpBookByBook()
    {
        QFETCH(QStringList, games);
        QFETCH(int, tickMs);
        QFETCH(QString, expected);
        QFETCH(QList<int>, slowest);
        QFETCH(QList<int>, costliest);
        Round round;
        round.setClock([this] { return m_now; });
        Progress sum(Testament::Old);
        QVERIFY(!sum.played());
        for (const QString &game : games)
            sum += play(round, game, tickMs);

        Progress wanted(Testament::Old);
        for (const QString &book : expected.split(u' ')) {
            wanted[book.section(u'=', 0, 0).toInt() - 1] = figures(book);
        }
        for (int index = 0; index < OTBookCount; ++index) {
            const BookProgress &book = sum[index];
            QVERIFY2(book == wanted[index],
                qPrintable(QStringLiteral("book %1: %2,%3,%4,%5,%6")
                               .arg(index + 1)
                               .arg(book.games)
                               .arg(book.found)
                               .arg(book.timeouts)
                               .arg(book.wrong)
                               .arg(book.tenths)));
        }
        QVERIFY(sum.played());
        QCOMPARE(sum.slowest(3), slowest);
        QCOMPARE(sum.costliest(3), costliest);
    }

    void aWholeGameRecordsEveryBookOnce()
    {
        Round round;
        round.setClock([this] { return m_now; });
        QString script;
        for (int book = 0; book < OTBookCount; ++book)
            script += QStringLiteral("+%1 c ").arg(100 * (book + 1));
        const Progress game = play(round, script, 100);
        QVERIFY(!round.running());
        for (int index = 0; index < OTBookCount; ++index)
            QCOMPARE(game[index], (BookProgress {1, 1, 0, 0, index + 1}));
        QCOMPARE(game.slowest(3), (QList<int> {38, 37, 36}));
    }

    void averagesAndSumsStayInRange()
    {
        BookProgress book {4, 2, 1, 5, 130};
        QCOMPARE(book.averageSeconds(), 3.25);
        QCOMPARE(book.costPerGame(), 1.5);
        QCOMPARE(BookProgress().averageSeconds(), 0.0);
        QCOMPARE(BookProgress().costPerGame(), 0.0);
        book.tenths = std::numeric_limits<int>::max() - 1;
        book += BookProgress {1, 1, 0, 0, 10};
        QCOMPARE(book.tenths, std::numeric_limits<int>::max());
        QCOMPARE(book.games, 5);
    }

    void sectionsCostTheirBooksAndTheCostliestIsPractised_data()
    {
        QTest::addColumn<Testament>("testament");
        QTest::addColumn<QString>("practised");
        // Book numbers, alone or as a range, = games,found,timeouts,wrong,tenths; a later entry overrides.
        QTest::addColumn<QStringList>("record");
        // Each section's cost in canonical order, "-" for one never played.
        QTest::addColumn<QString>("costs");
        QTest::newRow("a new player, Old") << Testament::Old << "Law" << QStringList {} << "- - - - -";
        QTest::newRow("a new player, New") << Testament::New << "Gospels and Acts" << QStringList {} << "- - -";
        QTest::newRow("the slowest section")
            << Testament::Old << "Minor Prophets" << QStringList {"1-39=2,2,0,0,40", "28-39=2,2,0,0,60"}
            << "2.00 2.00 2.00 2.00 3.00";
        QTest::newRow("a wrong click or time-out weighs five seconds")
            << Testament::Old << "History" << QStringList {"1-39=2,2,0,0,40", "6=2,2,0,2,40", "7=4,3,1,0,80"}
            << "2.00 2.52 2.00 2.00 2.00";
        QTest::newRow("a section never played comes first")
            << Testament::Old << "Major Prophets" << QStringList {"1-22=1,1,0,0,100"} << "10.00 10.00 10.00 - -";
        QTest::newRow("only the books wanted count")
            << Testament::Old << "Minor Prophets" << QStringList {"1-27=1,1,0,0,20", "28-29=1,1,0,0,30"}
            << "2.00 2.00 2.00 2.00 3.00";
        QTest::newRow("of equals the earlier")
            << Testament::New << "Paul's letters"
            << QStringList {"1-5=2,2,0,0,40", "6-18=2,2,0,1,20", "19-27=2,1,1,0,20"} << "2.00 3.50 3.50";
    }

    void sectionsCostTheirBooksAndTheCostliestIsPractised()
    {
        QFETCH(Testament, testament);
        QFETCH(QString, practised);
        QFETCH(QStringList, record);
        QFETCH(QString, costs);
        Progress progress(testament);
        for (const QString &entry : record) {
            const QStringList books = entry.section(u'=', 0, 0).split(u'-');
            for (int book = books.first().toInt(); book <= books.last().toInt(); ++book)
                progress[book - 1] = figures(entry);
        }
        QStringList found;
        for (const Section &section : sections(testament)) {
            const std::optional<double> cost = progress.cost(section);
            found.append(cost ? QString::number(*cost, 'f', 2) : QStringLiteral("-"));
        }
        QCOMPARE(found.join(u' '), costs);
        QCOMPARE(progress.sectionToPractise().title(), practised);
    }

    void aClockThatGoesBackCountsNoTime()
    {
        Round round;
        round.setClock([this] { return m_now; });
        m_now = 10000;
        round.start(Testament::New);
        round.BookSetup(3);
        m_now = 4000;
        round.click(0);
        QCOMPARE(round.record()[0].tenths, 0);
        QCOMPARE(round.record().testament(), Testament::New);
    }
};

QTEST_MAIN(TestProgress)
#include "tst_progress.moc"
