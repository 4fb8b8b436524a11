#include "gamedriver.h"

#include "game/board.h"
#include "game/random.h"

#include <QSignalSpy>
#include <QtTest>

using namespace Play;

class TestGamePlay : public QObject
{
    Q_OBJECT

private:
    TfrmMain *m_form = nullptr;
    RecordingCuePlayer m_cues;
    QSignalSpy *m_highScores = nullptr;

    TfrmMain &form() { return *m_form; }

    // Lets the countdown run out on the wanted book: down to 0, then the shelving tick.
    void timeOut()
    {
        while (value(form()) > 0)
            form().timValueTimer();
        form().timValueTimer();
    }

    void checkCompletedBoard()
    {
        QCOMPARE(visibleCount(form().OTBookList) + visibleCount(form().NTBookList), 0);
        QCOMPARE(visibleCount(shelves(form())), int(shelves(form()).size()));
        QVERIFY(!form().chkGO->Checked());
        QVERIFY(form().chkTestament->ToggleEnabled());
        QVERIFY(!form().timValue->isActive());
        QVERIFY(hint(form()).isEmpty());
    }

private slots:
    void initTestCase() { Random::setSeedSource(countingSeed<1>); }

    void init()
    {
        m_form = new TfrmMain;
        m_form->setCuePlayer(&m_cues);
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form));
        m_highScores = new QSignalSpy(m_form, &TfrmMain::highScoresDue);
        m_cues.cues.clear();
    }

    void cleanup()
    {
        delete m_highScores;
        delete m_form;
    }

    void goDealsTheOldTestamentIntoThePile()
    {
        go(form());
        QVERIFY(form().chkGO->Checked());
        QVERIFY(!form().chkTestament->ToggleEnabled());
        QVERIFY(form().timValue->isActive());
        QCOMPARE(form().timValue->interval(), 100);
        QCOMPARE(form().WantedIndex, 0);
        QCOMPARE(form().LastIndex, 38);
        QCOMPARE(form().lcdValue->Value(), QStringLiteral("500"));
        QCOMPARE(form().lcdScore->Value(), QStringLiteral("0"));
        QVERIFY(hint(form()).isEmpty());
        QCOMPARE(visibleCount(form().OTBookList), 39);
        QCOMPARE(visibleCount(form().OTShelfList), 0);

        QSet<QPair<int, int>> cells;
        for (int i = 0; i <= form().LastIndex; ++i) {
            const PileCell cell = form().PileCells[i];
            cells.insert({ cell.Row, cell.Column });
            const QPoint at = form().OTBookList[i]->pos();
            QCOMPARE(at.y(), 411 - 20 * cell.Row);
            QVERIFY(at.x() >= 125 * cell.Column + 5 && at.x() <= 125 * cell.Column + 7);
        }
        QCOMPARE(cells.size(), 39);
        QVERIFY(!cells.contains({ 7, 4 }));
        QVERIFY(cells.contains({ 7, 3 }));
    }

    void aNewTestamentDealFillsTwentySevenCells()
    {
        newTestament(form());
        go(form());
        QCOMPARE(form().LastIndex, 26);
        QCOMPARE(visibleCount(form().NTBookList), 27);
        QCOMPARE(visibleCount(form().OTBookList), 0);
        QCOMPARE(visibleCount(form().NTShelfList), 0);
        int topRow = 0;
        for (int i = 0; i < 27; ++i)
            topRow = std::max(topRow, form().PileCells[i].Row);
        QCOMPARE(topRow, 5);
    }

    void twoDealsDiffer()
    {
        go(form());
        QList<QPoint> first;
        for (TImage *book : form().OTBookList)
            first.append(book->pos());
        stop(form());
        go(form());
        QList<QPoint> second;
        for (TImage *book : form().OTBookList)
            second.append(book->pos());
        QVERIFY(first != second);
    }

    void rightClickEarnsTheValueAndShelvesTheBook_data()
    {
        QTest::addColumn<bool>("hints");
        QTest::addColumn<int>("reset");
        QTest::newRow("hints off") << false << 500;
        QTest::newRow("hints on") << true << 250;
    }

    void rightClickEarnsTheValueAndShelvesTheBook()
    {
        QFETCH(bool, hints);
        QFETCH(int, reset);
        if (hints)
            hintsOn(form());
        go(form());
        form().lcdValue->setValue(QStringLiteral("345"));
        form().lcdScore->setValue(QStringLiteral("1200"));
        TImage *genesis = wanted(form());
        const PileCell cell = form().PileCells[0];
        QList<QPair<TImage *, int>> above;
        for (int i = 1; i <= form().LastIndex; ++i) {
            if (form().PileCells[i].Column == cell.Column && form().PileCells[i].Row > cell.Row)
                above.append({ form().OTBookList[i], form().OTBookList[i]->y() });
        }

        clickBook(genesis);
        QCOMPARE(m_cues.cues, std::vector<Cue> { Cue::CueCorrect });
        QCOMPARE(score(form()), 1545);
        QCOMPARE(value(form()), reset);
        QVERIFY(!genesis->isVisible());
        QVERIFY(form().OTShelfList[0]->isVisible());
        QCOMPARE(form().WantedIndex, 1);
        QVERIFY(form().timValue->isActive());
        for (const auto &[book, top] : above)
            QCOMPARE(book->y(), top + 20);
    }

    // The second click of a pair lands on the book that has dropped into the wanted one's place. As part of a
    // double click it is nothing; on its own, however soon, it is judged like any click.
    void aDoubleClickOnTheWantedBookCountsOnce_data()
    {
        QTest::addColumn<bool>("doubleClick");
        QTest::newRow("double click") << true;
        QTest::newRow("slow second click") << false;
    }

    void aDoubleClickOnTheWantedBookCountsOnce()
    {
        QFETCH(bool, doubleClick);
        go(form());
        // Shelve books until the wanted one has another lying on it.
        TImage *above = nullptr;
        while (!above) {
            for (TImage *book : books(form())) {
                if (book->isVisible() && book->geometry() == wanted(form())->geometry().translated(0, -20))
                    above = book;
            }
            if (!above)
                clickBook(wanted(form()));
        }
        form().lcdScore->setValue(QStringLiteral("1000"));
        form().lcdValue->setValue(QStringLiteral("345"));
        const int wantedBefore = form().WantedIndex;
        const bool aboveIsNext = books(form()).indexOf(above) == wantedBefore + 1;
        m_cues.cues.clear();

        const QPoint at(60, 10);
        const auto send = [at](TImage *book, QEvent::Type type) {
            const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
            QMouseEvent event(type, at, book->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
            QApplication::sendEvent(book, &event);
        };
        TImage *first = wanted(form());
        const QRect place = first->geometry();
        send(first, QEvent::MouseButtonPress);
        send(first, QEvent::MouseButtonRelease);
        QCOMPARE(above->geometry(), place);
        send(above, doubleClick ? QEvent::MouseButtonDblClick : QEvent::MouseButtonPress);
        send(above, QEvent::MouseButtonRelease);

        if (doubleClick) {
            QCOMPARE(m_cues.cues, std::vector<Cue> { Cue::CueCorrect });
            QCOMPARE(score(form()), 1345);
            QCOMPARE(form().WantedIndex, wantedBefore + 1);
        } else {
            QCOMPARE(m_cues.cues.size(), 2u);
            QCOMPARE(m_cues.cues[1], aboveIsNext ? Cue::CueCorrect : Cue::CueWrong);
            QCOMPARE(score(form()), aboveIsNext ? 1845 : 1295);
        }
    }

    void fallenColumnStaysAGaplessStack()
    {
        go(form());
        for (int taken = 0; taken < 20; ++taken)
            clickBook(wanted(form()));
        for (int column = 0; column < 5; ++column) {
            QList<int> tops;
            for (TImage *book : form().OTBookList) {
                if (book->isVisible() && (book->x() - 5) / 125 == column)
                    tops.append(book->y());
            }
            std::sort(tops.begin(), tops.end(), std::greater<int>());
            for (int i = 0; i < tops.size(); ++i)
                QCOMPARE(tops[i], 411 - 20 * i);
        }
    }

    void wrongClickCostsFiftyFromAPositiveScore_data()
    {
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("after");
        QTest::newRow("30 goes negative") << 30 << -20;
        QTest::newRow("negative stays") << -20 << -20;
        QTest::newRow("0 stays") << 0 << 0;
        QTest::newRow("75") << 75 << 25;
        QTest::newRow("50 reaches 0") << 50 << 0;
    }

    void wrongClickCostsFiftyFromAPositiveScore()
    {
        QFETCH(int, before);
        QFETCH(int, after);
        go(form());
        form().lcdScore->setValue(QString::number(before));
        form().lcdValue->setValue(QStringLiteral("345"));
        clickBook(wrongBook(form()));
        QCOMPARE(m_cues.cues, std::vector<Cue> { Cue::CueWrong });
        QCOMPARE(form().lcdScore->Value(), QString::number(after));
        QCOMPARE(value(form()), 345);
        QCOMPARE(form().WantedIndex, 0);
        QVERIFY(form().timValue->isActive());
    }

    void countdownStepsByFiveAndShelvesAtZero()
    {
        go(form());
        form().lcdScore->setValue(QStringLiteral("700"));
        for (int tick = 1; tick <= 100; ++tick)
            form().timValueTimer();
        QCOMPARE(value(form()), 0);
        QVERIFY(form().OTBookList[0]->isVisible());
        QVERIFY(m_cues.cues.empty());

        form().timValueTimer(); // the 101st tick shelves the book for nothing
        QCOMPARE(m_cues.cues, std::vector<Cue> { Cue::CueTimeOut });
        QVERIFY(!form().OTBookList[0]->isVisible());
        QVERIFY(form().OTShelfList[0]->isVisible());
        QCOMPARE(score(form()), 700);
        QCOMPARE(value(form()), 500);
        QCOMPARE(form().WantedIndex, 1);
        QVERIFY(form().timValue->isActive());
    }

    void lastBookEndsTheGameAndOffersTheScore()
    {
        go(form());
        while (form().WantedIndex < form().LastIndex)
            clickBook(wanted(form()));
        form().lcdValue->setValue(QStringLiteral("135"));
        clickBook(wanted(form()));
        QCOMPARE(value(form()), 135); // no reset after the last book
        checkCompletedBoard();
        QCOMPARE(m_highScores->count(), 1);
        QCOMPARE(form().NewOTScore, score(form()));
        QCOMPARE(form().NewNTScore, 0);
        QVERIFY(form().NewOTScore > 0);
    }

    void wholeGamesEndWithTheFullBookcase_data()
    {
        QTest::addColumn<bool>("newTestament");
        QTest::addColumn<QString>("style");
        for (const bool nt : { false, true }) {
            for (const char *style : { "clicks", "time-outs", "mixed" })
                QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(nt ? "New" : "Old", style))) << nt << QString::fromLatin1(style);
        }
    }

    void wholeGamesEndWithTheFullBookcase()
    {
        QFETCH(bool, newTestament);
        QFETCH(QString, style);
        if (newTestament)
            Play::newTestament(form());
        go(form());
        const int books = form().LastIndex + 1;
        int expected = 0;
        for (int n = 0; n < books; ++n) {
            const bool byClick = style == QLatin1String("clicks") || (style == QLatin1String("mixed") && n % 2 == 0);
            if (byClick) {
                form().timValueTimer();
                expected += value(form());
                clickBook(wanted(form()));
            } else {
                timeOut();
            }
        }
        checkCompletedBoard();
        QCOMPARE(score(form()), expected);
        QCOMPARE(m_highScores->count(), expected > 0 ? 1 : 0);
        if (expected > 0) {
            QCOMPARE(newTestament ? form().NewNTScore : form().NewOTScore, expected);
            QCOMPARE(newTestament ? form().NewOTScore : form().NewNTScore, 0);
        }
    }

    void stopWithAPositiveScoreOffersIt()
    {
        newTestament(form());
        go(form());
        clickBook(wanted(form()));
        clickBook(wanted(form()));
        stop(form());
        QCOMPARE(m_highScores->count(), 1);
        QCOMPARE(form().NewNTScore, 1000);
        QCOMPARE(form().NewOTScore, 0);
        QVERIFY(!form().timValue->isActive());
        QVERIFY(form().chkTestament->ToggleEnabled());
        QCOMPARE(visibleCount(form().NTBookList), 25);
        QCOMPARE(visibleCount(form().NTShelfList), 2);
    }

    void stopAtZeroOrBelowOffersNothing()
    {
        go(form());
        stop(form());
        QCOMPARE(m_highScores->count(), 0);
        go(form());
        form().lcdScore->setValue(QStringLiteral("30"));
        clickBook(wrongBook(form()));
        stop(form());
        QCOMPARE(m_highScores->count(), 0);
        QCOMPARE(score(form()), -20);
    }

    void booksLeftAfterStopAreNotJudged()
    {
        go(form());
        clickBook(wanted(form()));
        stop(form());
        m_cues.cues.clear();
        const int before = score(form());
        clickBook(wanted(form()));
        clickBook(wrongBook(form()));
        QVERIFY(m_cues.cues.empty());
        QCOMPARE(score(form()), before);
        QVERIFY(!form().timValue->isActive());
        QCOMPARE(visibleCount(form().OTBookList), 38);

        newTestament(form());
        QCOMPARE(visibleCount(form().OTBookList) + visibleCount(form().NTBookList), 0);
        QCOMPARE(visibleCount(form().NTShelfList), 27);
    }

    void hintsDescribeTheWantedBook()
    {
        hintsOn(form());
        QVERIFY(hint(form()).isEmpty()); // nothing while idle
        go(form());
        QCOMPARE(hint(form()), QStringLiteral("God creates the world"));
        clickBook(wanted(form()));
        QCOMPARE(hint(form()), QStringLiteral("The Hebrews leave Egypt"));
        timeOut();
        QCOMPARE(hint(form()), QStringLiteral("The Hebrew worship God"));
    }

    void newTestamentHintsRunToTheLastBook()
    {
        newTestament(form());
        hintsOn(form());
        go(form());
        QCOMPARE(hint(form()), QStringLiteral("He was a tax collector"));
        while (form().WantedIndex < form().LastIndex)
            clickBook(wanted(form()));
        QCOMPARE(hint(form()), QStringLiteral("John\u2019s vision"));
        clickBook(wanted(form()));
        QVERIFY(hint(form()).isEmpty());
    }

    void switchingHintsOnHalvesTheValueEachTime()
    {
        go(form());
        form().lcdValue->setValue(QStringLiteral("480"));
        hintsOn(form());
        QCOMPARE(value(form()), 240);
        QCOMPARE(form().timValue->interval(), 200);
        QCOMPARE(hint(form()), QStringLiteral("God creates the world"));
        hintsOff(form());
        QCOMPARE(value(form()), 240);
        QCOMPARE(form().timValue->interval(), 100);
        QVERIFY(hint(form()).isEmpty());
        hintsOn(form());
        QCOMPARE(value(form()), 120);
        hintsOff(form());
        clickBook(wanted(form()));
        QCOMPARE(value(form()), 500);
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
        go(form());
        form().lcdValue->setValue(QString::number(before));
        hintsOn(form());
        QCOMPARE(value(form()), after);
        QCOMPARE(form().timValue->interval(), 200);
    }

    void hintsWhileIdleSetTheStartingValue()
    {
        hintsOn(form());
        QCOMPARE(value(form()), 250);
        QCOMPARE(form().timValue->interval(), 200);
        hintsOff(form());
        QCOMPARE(value(form()), 500);
        QCOMPARE(form().timValue->interval(), 100);
        hintsOn(form());
        go(form());
        QCOMPARE(value(form()), 250);
        QCOMPARE(form().timValue->interval(), 200);
    }

    void aSecondGameWithHintsLeftOnStepsEveryTenthOfASecond()
    {
        hintsOn(form());
        go(form());
        stop(form());
        QCOMPARE(form().timValue->interval(), 100);
        go(form());
        QCOMPARE(value(form()), 250);
        QCOMPARE(form().timValue->interval(), 100);
        QCOMPARE(hint(form()), QStringLiteral("God creates the world"));
    }

    void theCountdownTicksOnItsOwn()
    {
        go(form());
        QTRY_VERIFY_WITH_TIMEOUT(value(form()) < 500, 2000);
        stop(form());
    }
};

QTEST_MAIN(TestGamePlay)
#include "tst_gameplay.moc"
