#include "game/board.h"
#include "game/round.h"
#include "game/rules.h"

#include <QtTest>

#include <set>

using Outcome = Round::Outcome;

Q_DECLARE_METATYPE(QList<Round::PauseReason>)

// The rules of a game, played on the round alone: deals, clicks, the countdown, hints and the end.
class TestRound : public QObject
{
    Q_OBJECT

private:
    Round m_round;
    std::uint32_t m_seed = 1;

    void start(Testament testament = Testament::Old)
    {
        m_round.start(testament);
        m_round.BookSetup(m_seed++);
    }

    // The value falls to `value` by ticks alone.
    void countDownTo(int value)
    {
        while (m_round.value() > value)
            QCOMPARE(m_round.tick().outcome, Outcome::CountedDown);
    }

    Round::Step clickWanted() { return m_round.click(m_round.WantedIndex()); }
    Round::Step clickWrong() { return m_round.click(m_round.WantedIndex() == 0 ? 1 : 0); }

    // Lets the countdown run out on the wanted book: down to 0, then the shelving tick.
    Round::Step timeOut()
    {
        countDownTo(0);
        return m_round.tick();
    }

    void checkEnded()
    {
        QVERIFY(!m_round.running());
        QCOMPARE(m_round.countdownInterval(), 100);
        QVERIFY(m_round.hint().isEmpty());
    }

private slots:
    void init() { m_round = Round(); }

    void aNewRoundWaitsWithFullValue()
    {
        QVERIFY(!m_round.running());
        QCOMPARE(m_round.value(), 500);
        QCOMPARE(m_round.score(), 0);
        QCOMPARE(m_round.countdownInterval(), 100);
        QCOMPARE(m_round.click(0).outcome, Outcome::Ignored);
        QCOMPARE(m_round.tick().outcome, Outcome::Ignored);
    }

    void startDealsEveryBookIntoItsOwnCell_data()
    {
        QTest::addColumn<Testament>("testament");
        QTest::addColumn<int>("lastIndex");
        QTest::addColumn<int>("topRow");
        QTest::newRow("Old") << Testament::Old << 38 << 7;
        QTest::newRow("New") << Testament::New << 26 << 5;
    }

    void startDealsEveryBookIntoItsOwnCell()
    {
        QFETCH(Testament, testament);
        QFETCH(int, lastIndex);
        QFETCH(int, topRow);
        m_round.start(testament);
        const std::vector<Pile::DealtBook> dealt = m_round.BookSetup(11);
        QVERIFY(m_round.running());
        QCOMPARE(m_round.testament(), testament);
        QCOMPARE(m_round.WantedIndex(), 0);
        QCOMPARE(m_round.LastIndex(), lastIndex);
        QCOMPARE(m_round.value(), 500);
        QCOMPARE(m_round.score(), 0);
        QCOMPARE(int(dealt.size()), lastIndex + 1);
        std::set<std::pair<int, int>> cells;
        int highest = 0;
        for (int i = 0; i <= lastIndex; ++i) {
            QCOMPARE(m_round.PileCells()[i], dealt[i].cell);
            cells.insert({dealt[i].cell.Row, dealt[i].cell.Column});
            highest = std::max(highest, dealt[i].cell.Row);
        }
        QCOMPARE(int(cells.size()), lastIndex + 1);
        QCOMPARE(highest, topRow);
        QVERIFY(!cells.count({7, 4}));
    }

    // A practice game deals its section alone into the pile's first cells and plays it to its end as a whole game
    // is played. The books outside it keep the cells of an earlier deal, but none of them drops.
    void practiceDealsAndPlaysItsSectionAlone_data()
    {
        QTest::addColumn<Testament>("testament");
        QTest::addColumn<int>("section");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("count");
        QTest::newRow("Law") << Testament::Old << 0 << 0 << 5;
        QTest::newRow("History") << Testament::Old << 1 << 5 << 12;
        QTest::newRow("Poetry and Wisdom") << Testament::Old << 2 << 17 << 5;
        QTest::newRow("Major Prophets") << Testament::Old << 3 << 22 << 5;
        QTest::newRow("Minor Prophets") << Testament::Old << 4 << 27 << 12;
        QTest::newRow("Gospels and Acts") << Testament::New << 0 << 0 << 5;
        QTest::newRow("Paul's letters") << Testament::New << 1 << 5 << 13;
        QTest::newRow("Other letters and Revelation") << Testament::New << 2 << 18 << 9;
    }

    void practiceDealsAndPlaysItsSectionAlone()
    {
        QFETCH(Testament, testament);
        QFETCH(int, section);
        QFETCH(int, first);
        QFETCH(int, count);
        const Section practised = sections(testament)[section];
        QCOMPARE(practised.title(), QString::fromUtf8(QTest::currentDataTag()));
        start(testament);
        m_round.start(practised);
        for (const Pile::DealtBook &book : m_round.BookSetup(11))
            QVERIFY(book.cell.Row * Board::PileColumns + book.cell.Column < count);
        QCOMPARE(m_round.WantedIndex(), first);
        const std::vector<int> lying = m_round.pile().inPileOrder();
        QCOMPARE(int(lying.size()), count);
        QCOMPARE(std::ranges::min(lying), first);
        for (int n = 0; n < count; ++n) {
            const Round::Step step = clickWanted();
            QCOMPARE(step.ended, n == count - 1);
            for (const int above : step.dropped)
                QVERIFY(practised.contains(above));
        }
        QCOMPARE(m_round.score(), 500 * count);
        checkEnded();
    }

    void theSeedDecidesTheDeal()
    {
        m_round.start(Testament::Old);
        const PileRecord first = (m_round.BookSetup(5), m_round.PileCells());
        const PileRecord again = (m_round.BookSetup(5), m_round.PileCells());
        const PileRecord other = (m_round.BookSetup(6), m_round.PileCells());
        QCOMPARE(first, again);
        QVERIFY(first != other);
    }

    void rightClickEarnsTheValueAndShelvesTheBook_data()
    {
        QTest::addColumn<bool>("hints");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("reset");
        QTest::newRow("hints off") << false << 345 << 500;
        QTest::newRow("hints on") << true << 245 << 250;
    }

    void rightClickEarnsTheValueAndShelvesTheBook()
    {
        QFETCH(bool, hints);
        QFETCH(int, value);
        QFETCH(int, reset);
        m_round.setHints(hints);
        start();
        QCOMPARE(clickWanted().outcome, Outcome::Shelved); // 500 or 250 on the score
        const int before = m_round.score();
        countDownTo(value);
        const Round::Step step = clickWanted();
        QCOMPARE(step.outcome, Outcome::Shelved);
        QCOMPARE(step.cue(), Cue::CueCorrect);
        QCOMPARE(step.shelved, 1);
        QCOMPARE(step.dropped, Pile::booksAbove(m_round.PileCells(), 0, m_round.LastIndex(), 1));
        QVERIFY(!step.ended);
        QCOMPARE(m_round.score(), before + value);
        QCOMPARE(m_round.value(), reset);
        QCOMPARE(m_round.WantedIndex(), 2);
    }

    void wrongClickCostsFiftyFromAPositiveScore_data()
    {
        QTest::addColumn<int>("earned"); // the value the first book is clicked at; 0: not clicked
        QTest::addColumn<int>("wrongBefore");
        QTest::addColumn<int>("after");
        QTest::newRow("30 goes negative") << 30 << 0 << -20;
        QTest::newRow("negative stays") << 30 << 1 << -20;
        QTest::newRow("0 stays") << 0 << 0 << 0;
        QTest::newRow("75") << 75 << 0 << 25;
        QTest::newRow("50 reaches 0") << 50 << 0 << 0;
    }

    void wrongClickCostsFiftyFromAPositiveScore()
    {
        QFETCH(int, earned);
        QFETCH(int, wrongBefore);
        QFETCH(int, after);
        start();
        if (earned > 0) {
            countDownTo(earned);
            clickWanted();
        }
        for (int i = 0; i < wrongBefore; ++i)
            clickWrong();
        countDownTo(345);
        const int wanted = m_round.WantedIndex();
        const Round::Step step = clickWrong();
        QCOMPARE(step.outcome, Outcome::Penalised);
        QCOMPARE(step.cue(), Cue::CueWrong);
        QCOMPARE(step.shelved, -1);
        QCOMPARE(m_round.score(), after);
        QCOMPARE(m_round.value(), 345);
        QCOMPARE(m_round.WantedIndex(), wanted);
        QVERIFY(m_round.running());
    }

    void countdownStepsByFiveAndShelvesAtZero()
    {
        start();
        clickWanted();
        const int score = m_round.score();
        for (int tick = 1; tick <= 100; ++tick) {
            const Round::Step step = m_round.tick();
            QCOMPARE(step.outcome, Outcome::CountedDown);
            QVERIFY(!step.cue());
            QCOMPARE(m_round.value(), 500 - 5 * tick);
        }
        const Round::Step step = m_round.tick(); // the 101st tick shelves the book for nothing
        QCOMPARE(step.outcome, Outcome::TimedOut);
        QCOMPARE(step.cue(), Cue::CueTimeOut);
        QCOMPARE(step.shelved, 1);
        QCOMPARE(m_round.score(), score);
        QCOMPARE(m_round.value(), 500);
        QCOMPARE(m_round.WantedIndex(), 2);
    }

    void wholeGamesEndOnceWithTheSumOfTheValues_data()
    {
        QTest::addColumn<Testament>("testament");
        QTest::addColumn<QString>("style");
        for (const Testament testament : {Testament::Old, Testament::New}) {
            for (const char *style : {"clicks", "time-outs", "mixed"}) {
                QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(testamentName(testament), style)))
                    << testament << QString::fromLatin1(style);
            }
        }
    }

    void wholeGamesEndOnceWithTheSumOfTheValues()
    {
        QFETCH(Testament, testament);
        QFETCH(QString, style);
        start(testament);
        int expected = 0;
        int ended = 0;
        std::set<int> shelved;
        for (int n = 0; n <= m_round.LastIndex(); ++n) {
            const bool byClick = style == QLatin1String("clicks") || (style == QLatin1String("mixed") && n % 2 == 0);
            Round::Step step;
            if (byClick) {
                m_round.tick();
                expected += m_round.value();
                step = clickWanted();
            } else {
                step = timeOut();
            }
            shelved.insert(step.shelved);
            ended += step.ended;
        }
        QCOMPARE(ended, 1);
        QCOMPARE(int(shelved.size()), bookCount(testament));
        QCOMPARE(m_round.score(), expected);
        checkEnded();
    }

    // Once a game ends, however, the value is the one the next game starts at: 500, or 250 with hints left on.
    void theValueShowsTheNextStartOnceAGameEnds_data()
    {
        QTest::addColumn<bool>("hints");
        QTest::addColumn<bool>("byStop");
        QTest::addColumn<int>("nextStart");
        QTest::newRow("last book") << false << false << 500;
        QTest::newRow("last book, hints on") << true << false << 250;
        QTest::newRow("STOP") << false << true << 500;
        QTest::newRow("STOP, hints on") << true << true << 250;
    }

    void theValueShowsTheNextStartOnceAGameEnds()
    {
        QFETCH(bool, hints);
        QFETCH(bool, byStop);
        QFETCH(int, nextStart);
        m_round.setHints(hints);
        start(Testament::New);
        while (!byStop && m_round.WantedIndex() < m_round.LastIndex())
            clickWanted();
        countDownTo(135);
        if (byStop)
            m_round.stop();
        else
            QVERIFY(clickWanted().ended);
        QCOMPARE(m_round.value(), nextStart);
        checkEnded();
        start(Testament::New);
        QCOMPARE(m_round.value(), nextStart);
    }

    // Each reason holds the countdown on its own, counted in ticks: the value stands, the book never times out,
    // clicks take nothing, and the game goes on where it was only once every reason is gone.
    void aPauseHoldsTheCountdownUntilEveryReasonIsGone_data()
    {
        QTest::addColumn<QList<Round::PauseReason>>("reasons");
        using R = Round::PauseReason;
        QTest::newRow("P") << QList<R> {R::Player};
        QTest::newRow("another window") << QList<R> {R::OtherWindow};
        QTest::newRow("minimised") << QList<R> {R::Minimised};
        QTest::newRow("minimised behind the help") << QList<R> {R::OtherWindow, R::Minimised};
        QTest::newRow("P, then the help") << QList<R> {R::Player, R::OtherWindow};
    }

    void aPauseHoldsTheCountdownUntilEveryReasonIsGone()
    {
        QFETCH(QList<Round::PauseReason>, reasons);
        start();
        countDownTo(480);
        for (const Round::PauseReason reason : reasons)
            m_round.setPaused(reason, true);
        QVERIFY(m_round.paused());
        QCOMPARE(m_round.pausedByPlayer(), reasons.contains(Round::PauseReason::Player));
        for (int tick = 0; tick < 300; ++tick)
            QCOMPARE(m_round.tick().outcome, Outcome::Ignored);
        QCOMPARE(clickWanted().outcome, Outcome::Ignored);
        QCOMPARE(clickWrong().outcome, Outcome::Ignored);
        QCOMPARE(m_round.value(), 480);
        QCOMPARE(m_round.score(), 0);
        QCOMPARE(m_round.WantedIndex(), 0);
        for (const Round::PauseReason reason : reasons) {
            QVERIFY(m_round.paused());
            m_round.setPaused(reason, false);
        }
        QVERIFY(!m_round.paused());
        QCOMPARE(m_round.tick().outcome, Outcome::CountedDown);
        QCOMPARE(m_round.value(), 475);
        QCOMPARE(clickWanted().outcome, Outcome::Shelved);
        QCOMPARE(m_round.score(), 475);
    }

    void playingOnClearsEveryReason()
    {
        start();
        m_round.setPaused(Round::PauseReason::Player, true);
        m_round.setPaused(Round::PauseReason::OtherWindow, true);
        m_round.playOn();
        QVERIFY(!m_round.paused());
        QCOMPARE(m_round.tick().outcome, Outcome::CountedDown);
    }

    // Outside a game nothing pauses: the end of a game clears every reason, and a game starts running.
    void nothingPausesOutsideAGame()
    {
        m_round.setPaused(Round::PauseReason::Player, true);
        start();
        QVERIFY(!m_round.paused());
        m_round.setPaused(Round::PauseReason::Player, true);
        m_round.setPaused(Round::PauseReason::Minimised, true);
        m_round.stop();
        QVERIFY(!m_round.paused());
        QCOMPARE(m_round.tick().outcome, Outcome::Ignored);
        start();
        QVERIFY(!m_round.paused());
        QCOMPARE(m_round.tick().outcome, Outcome::CountedDown);
    }

    // The record times the wanted book by the clock; a pause takes none of that time, whether it ends by playing
    // on or by STOP.
    void aPauseTakesNoneOfTheWantedBooksTime()
    {
        std::int64_t now = 0;
        m_round.setClock([&now] { return now; });
        start();
        now = 2000;
        m_round.setPaused(Round::PauseReason::Player, true);
        now = 62000;
        m_round.setPaused(Round::PauseReason::Player, false);
        now = 63000;
        clickWanted();
        QCOMPARE(m_round.record()[0].tenths, 30);
        m_round.setPaused(Round::PauseReason::OtherWindow, true);
        now = 99000;
        m_round.stop();
        QCOMPARE(m_round.record()[1].tenths, 0);
    }

    void nothingIsJudgedAfterStop()
    {
        start();
        clickWanted();
        m_round.stop();
        const int score = m_round.score();
        QCOMPARE(clickWanted().outcome, Outcome::Ignored);
        QCOMPARE(clickWrong().outcome, Outcome::Ignored);
        QCOMPARE(m_round.tick().outcome, Outcome::Ignored);
        QCOMPARE(m_round.score(), score);
        checkEnded();
    }

    // The second press of a double click lands on whatever now lies under the pointer: it never costs anything,
    // but shelves the book wanted now like any click.
    void theSecondPressOfADoubleClickNeverCosts()
    {
        start();
        clickWanted();
        const int score = m_round.score();
        QCOMPARE(m_round.click(m_round.WantedIndex() + 1, true).outcome, Outcome::Ignored);
        QCOMPARE(m_round.score(), score);
        QCOMPARE(m_round.click(m_round.WantedIndex(), true).outcome, Outcome::Shelved);
        QCOMPARE(m_round.score(), score + 500);
    }

    // The pile holds the books not yet shelved, until they go back to their shelves; STOP leaves them lying.
    void thePileHoldsTheBooksNotYetShelved()
    {
        QVERIFY(m_round.pile().inPileOrder().empty());
        start(Testament::New);
        QCOMPARE(int(m_round.pile().inPileOrder().size()), 27);
        const PileCell first = *m_round.pile().cellOf(0);
        const Round::Step step = clickWanted();
        QCOMPARE(step.shelvedFrom, first);
        QVERIFY(!m_round.pile().cellOf(0));
        m_round.stop();
        QCOMPARE(int(m_round.pile().inPileOrder().size()), 26);
        m_round.clearPile();
        QVERIFY(m_round.pile().inPileOrder().empty());
    }

    void hintsDescribeTheWantedBook()
    {
        m_round.setHints(true);
        QVERIFY(m_round.hint().isEmpty()); // nothing while idle
        start();
        QCOMPARE(m_round.hint(), QStringLiteral("God creates the world"));
        clickWanted();
        QCOMPARE(m_round.hint(), QStringLiteral("The Hebrews leave Egypt"));
        timeOut();
        QCOMPARE(m_round.hint(), QStringLiteral("The Hebrews worship God"));
        m_round.setHints(false);
        QVERIFY(m_round.hint().isEmpty());
    }

    void newTestamentHintsRunToTheLastBook()
    {
        m_round.setHints(true);
        start(Testament::New);
        QCOMPARE(m_round.hint(), QStringLiteral("He was a tax collector"));
        while (m_round.WantedIndex() < m_round.LastIndex())
            clickWanted();
        QCOMPARE(m_round.hint(), QStringLiteral("John\u2019s vision"));
        clickWanted();
        QVERIFY(m_round.hint().isEmpty());
    }

    void switchingHintsOnHalvesTheValueEachTime()
    {
        start();
        countDownTo(480);
        m_round.setHints(true);
        QCOMPARE(m_round.value(), 240);
        QCOMPARE(m_round.countdownInterval(), 200);
        m_round.setHints(false);
        QCOMPARE(m_round.value(), 240);
        QCOMPARE(m_round.countdownInterval(), 100);
        m_round.setHints(true);
        QCOMPARE(m_round.value(), 120);
        m_round.setHints(false);
        clickWanted();
        QCOMPARE(m_round.value(), 500);
    }

    void halvingRounds_data()
    {
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("after");
        QTest::newRow("345") << 345 << 170;
        QTest::newRow("495") << 495 << 245;
        QTest::newRow("500") << 500 << 250;
        QTest::newRow("250") << 250 << 125;
        QTest::newRow("15") << 15 << 5;
        QTest::newRow("10 stays") << 10 << 10;
        QTest::newRow("5 stays") << 5 << 5;
        QTest::newRow("0 stays") << 0 << 0;
    }

    void halvingRounds()
    {
        QFETCH(int, before);
        QFETCH(int, after);
        start();
        countDownTo(before);
        m_round.setHints(true);
        QCOMPARE(m_round.value(), after);
        QCOMPARE(m_round.countdownInterval(), 200);
        // Values the countdown never shows, halved all the same.
        QCOMPARE(Rules::halvedValue(11), 5);
        QCOMPARE(Rules::halvedValue(20), 10);
    }

    void theHintSlowdownLastsUntilTheGameEnds()
    {
        m_round.setHints(true);
        QCOMPARE(m_round.value(), 250);
        QCOMPARE(m_round.countdownInterval(), 200);
        m_round.setHints(false);
        QCOMPARE(m_round.value(), 500);
        QCOMPARE(m_round.countdownInterval(), 100);

        // Switched on before the game: the game is slowed.
        m_round.setHints(true);
        start();
        QCOMPARE(m_round.value(), 250);
        QCOMPARE(m_round.countdownInterval(), 200);
        // Left on into the next game: full speed from 250.
        m_round.stop();
        QCOMPARE(m_round.countdownInterval(), 100);
        start();
        QCOMPARE(m_round.value(), 250);
        QCOMPARE(m_round.countdownInterval(), 100);
        QCOMPARE(m_round.hint(), QStringLiteral("God creates the world"));
    }
};

QTEST_GUILESS_MAIN(TestRound)
#include "tst_round.moc"
