#include "gamedriver.h"

#include "controls/mark.h"
#include "game/board.h"
#include "platform/announcer.h"

#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

using namespace Play;

// The main window as the player sees it: its controls in their places, the bookcase, and a game shown on the
// pictures, the displays, the status bar and the countdown.
class TestMainWindow : public QObject
{
    Q_OBJECT

private:
    enum class PauseWay { P, PauseKey, OtherWindow, Minimised };

    TfrmMain *m_form = nullptr;
    RecordingCuePlayer m_cues;
    QSignalSpy *m_highScores = nullptr;
    std::uint32_t m_seed = 1;

    TfrmMain &form() { return *m_form; }

    void checkCompletedBoard()
    {
        QCOMPARE(visibleCount(form().OTBookList) + visibleCount(form().NTBookList), 0);
        QCOMPARE(visibleCount(shelves(form())), int(shelves(form()).size()));
        QVERIFY(!form().chkGO->Checked());
        QVERIFY(form().chkTestament->ToggleEnabled());
        QVERIFY(!form().timValue->isActive());
        // The status bar says the game is over and gives its score, and VALUE what the next game starts at.
        QCOMPARE(hint(form()), QStringLiteral("Game over: score %1.").arg(score(form())));
        QCOMPARE(value(form()), form().chkHints->Checked() ? 250 : 500);
    }

private slots:
    void init()
    {
        m_form = new TfrmMain;
        m_form->setCuePlayer(&m_cues);
        m_form->setSeedSource([this] { return m_seed++; });
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form));
        m_highScores = new QSignalSpy(m_form, &TfrmMain::highScoresDue);
    }

    void cleanup()
    {
        delete m_highScores;
        delete m_form;
        m_cues.cues.clear();
    }

    void windowHasItsFixedSizeAndTitle()
    {
        QCOMPARE(form().windowTitle(), QStringLiteral("Tomelor!"));
        QCOMPARE(form().size(), QSize(632, 453));
        QCOMPARE(form().minimumSize(), QSize(632, 453));
        QCOMPARE(form().maximumSize(), QSize(632, 453));
        QVERIFY(!(form().windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(form().windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(form().windowFlags() & Qt::WindowCloseButtonHint);
        form().resize(800, 600);
        QCOMPARE(form().size(), QSize(632, 453));
    }

    void controlsStandAtTheirPlaces_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<Qt::CursorShape>("cursor");
        QTest::newRow("Image1") << "Image1" << QRect(0, 5, 630, 100) << Qt::ArrowCursor;
        QTest::newRow("Image2") << "Image2" << QRect(0, 112, 632, 300) << Qt::ArrowCursor;
        QTest::newRow("lcdValue") << "lcdValue" << QRect(29, 27, 66, 21) << Qt::ArrowCursor;
        QTest::newRow("lcdScore") << "lcdScore" << QRect(206, 32, 163, 45) << Qt::ArrowCursor;
        QTest::newRow("chkTestament") << "chkTestament" << QRect(401, 11, 78, 42) << Qt::ArrowCursor;
        QTest::newRow("chkHints") << "chkHints" << QRect(401, 57, 78, 42) << Qt::ArrowCursor;
        QTest::newRow("chkGO") << "chkGO" << QRect(490, 13, 128, 82) << Qt::PointingHandCursor;
        QTest::newRow("stbHints") << "stbHints" << QRect(0, 434, 632, 19) << Qt::ArrowCursor;
        QTest::newRow("a lying book") << "imgOTBook1" << QRect(0, 0, 120, 20) << Qt::PointingHandCursor;
    }

    void controlsStandAtTheirPlaces()
    {
        QFETCH(QString, name);
        QFETCH(QRect, frame);
        QFETCH(Qt::CursorShape, cursor);
        auto *control = form().findChild<QWidget *>(name);
        QVERIFY(control);
        QCOMPARE(control->geometry(), frame);
        QCOMPARE(control->cursor().shape(), cursor);
        QVERIFY(form().Image1->Transparent() && form().Image2->Transparent());
    }

    void displaysAreShapedAndColoured()
    {
        QCOMPARE(form().lcdValue->DigitNum(), 3);
        QCOMPARE(form().lcdValue->SegmentSize(), 1);
        QCOMPARE(form().lcdValue->OnColor(), QColor(0, 255, 255));
        QCOMPARE(form().lcdScore->DigitNum(), 5);
        QCOMPARE(form().lcdScore->SegmentSize(), 3);
        QCOMPARE(form().lcdScore->OnColor(), QColor(0, 255, 0));
        for (TLCD99 *lcd : {form().lcdValue, form().lcdScore}) {
            QCOMPARE(lcd->Color(), QColor(0, 0, 0));
            QCOMPARE(lcd->DigitSpacing(), 5);
            QCOMPARE(lcd->OffColor(), QColor(0, 0, 0));
            QCOMPARE(lcd->Animation(), TLCD99::anNone);
        }
    }

    void picturesAreReachableByNameAndListedByTag()
    {
        const auto check = [this](const QList<TImage *> &list, const char *prefix, int count, bool lying) {
            QCOMPARE(list.size(), count);
            for (int i = 0; i < count; ++i) {
                const QString name = QStringLiteral("%1%2").arg(QLatin1String(prefix)).arg(i + 1);
                QCOMPARE(form().findChild<TImage *>(name), list[i]);
                if (lying)
                    QCOMPARE(list[i]->Tag(), i + 1);
                else
                    QCOMPARE(list[i]->geometry(), QRect(Board::shelfSlot(i), QSize(20, 120)));
            }
        };
        check(form().OTBookList, "imgOTBook", 39, true);
        check(form().NTBookList, "imgNTBook", 27, true);
        check(form().OTShelfList, "imgOTShelf", 39, false);
        check(form().NTShelfList, "imgNTShelf", 27, false);
        QCOMPARE(form().OTShelfList[28]->geometry(), QRect(582, 133, 20, 120));
        QCOMPARE(form().OTShelfList[29]->geometry(), QRect(22, 268, 20, 120));
        // Showing again, as from the task bar, does not grow the lists.
        form().hide();
        form().show();
        QCOMPARE(form().OTBookList.size(), 39);
        QCOMPARE(form().NTShelfList.size(), 27);
    }

    void startsWithTheOldBookcaseFull()
    {
        QCOMPARE(form().lcdValue->Value(), QStringLiteral("500"));
        QCOMPARE(form().lcdScore->Value(), QStringLiteral("0"));
        QVERIFY(hint(form()).isEmpty());
        QVERIFY(!form().chkTestament->Checked() && !form().chkHints->Checked() && !form().chkGO->Checked());
        QVERIFY(!form().timValue->isActive());
        QCOMPARE(form().timValue->interval(), 100);
        QCOMPARE(visibleCount(form().OTBookList) + visibleCount(form().NTBookList), 0);
        QCOMPARE(visibleCount(form().NTShelfList), 0);
        QCOMPARE(visibleCount(form().OTShelfList), 39);
    }

    void testamentSwitchSwapsTheBookcaseOnlyWhileUnlocked()
    {
        newTestament(form());
        QCOMPARE(form().chosenTestament(), Testament::New);
        QCOMPARE(visibleCount(form().NTShelfList), 27);
        QCOMPARE(visibleCount(form().OTShelfList), 0);
        oldTestament(form());
        QCOMPARE(visibleCount(form().OTShelfList), 39);
        QCOMPARE(visibleCount(form().NTShelfList), 0);

        form().chkTestament->setToggleEnabled(false);
        newTestament(form());
        QVERIFY(!form().chkTestament->Checked());
        QCOMPARE(visibleCount(form().OTShelfList), 39);
    }

    void booksLieAboveTheShelves()
    {
        // Creation order is painting order: a lying book covers a spine of the lower shelf. A control's layer is
        // the place among the window's children of the control or of the panel holding it.
        const auto layer = [this](QWidget *control) {
            while (control->parentWidget() != &form())
                control = control->parentWidget();
            return form().children().indexOf(control);
        };
        QVERIFY(layer(form().Image2) < layer(form().OTShelfList.first()));
        QVERIFY(layer(form().NTShelfList.last()) < layer(form().OTBookList.first()));
        form().OTBookList[0]->move(Board::pileLeft(0, 0), Board::pileTop(7));
        form().OTBookList[0]->show();
        QCOMPARE(form().childAt(30, 280), form().OTBookList[0]);
        QCOMPARE(form().OTBookList[0]->mapTo(&form(), QPoint(0, 0)), QPoint(Board::pileLeft(0, 0), Board::pileTop(7)));
        // Outside the pile, what lies beneath the books still answers: the switches, the upper shelf, the spines
        // of the lower shelf above the pile's top row.
        QCOMPARE(form().childAt(form().chkGO->geometry().center()), form().chkGO);
        QCOMPARE(form().childAt(form().OTShelfList[0]->geometry().center()), form().OTShelfList[0]);
        QCOMPARE(form().childAt(form().OTShelfList[29]->pos() + QPoint(5, 1)), form().OTShelfList[29]);
        form().BooksInPlace();
        QCOMPARE(visibleCount(form().OTBookList), 0);
    }

    void goDealsTheBooksWhereTheRoundPutThem()
    {
        go(form());
        QVERIFY(form().chkGO->Checked());
        QVERIFY(!form().chkTestament->ToggleEnabled());
        QVERIFY(form().timValue->isActive());
        QCOMPARE(form().LastIndex(), 38);
        QCOMPARE(visibleCount(form().OTBookList), 39);
        QCOMPARE(visibleCount(form().OTShelfList), 0);
        for (int i = 0; i <= form().LastIndex(); ++i) {
            const PileCell cell = form().PileCells()[i];
            const QPoint at = form().OTBookList[i]->pos();
            QCOMPARE(at.y(), Board::pileTop(cell.Row));
            QVERIFY(at.x() >= Board::pileLeft(cell.Column, 0) && at.x() <= Board::pileLeft(cell.Column, 2));
        }
        const QList<QPoint> first = [this] {
            QList<QPoint> at;
            for (TImage *book : form().OTBookList)
                at.append(book->pos());
            return at;
        }();
        stop(form());
        go(form());
        QVERIFY(form().OTBookList[0]->pos() != first[0] || form().OTBookList[1]->pos() != first[1]);
    }

    void clicksShowOnTheBoardAndTheDisplays()
    {
        go(form());
        for (int tick = 0; tick < 31; ++tick)
            form().timValueTimer();
        QCOMPARE(form().lcdValue->Value(), QStringLiteral("345"));
        const PileCell cell = form().PileCells()[0];
        QList<QPair<TImage *, int>> above;
        for (int i = 1; i <= form().LastIndex(); ++i) {
            if (form().PileCells()[i].Column == cell.Column && form().PileCells()[i].Row > cell.Row)
                above.append({form().OTBookList[i], form().OTBookList[i]->y()});
        }
        TImage *genesis = wanted(form());
        clickBook(genesis);
        QCOMPARE(m_cues.cues, std::vector<Cue> {Cue::CueCorrect});
        QCOMPARE(form().lcdScore->Value(), QStringLiteral("345"));
        QCOMPARE(form().lcdValue->Value(), QStringLiteral("500"));
        QVERIFY(!genesis->isVisible());
        QVERIFY(form().OTShelfList[0]->isVisible());
        QVERIFY(form().timValue->isActive());
        for (const auto &[book, top] : above)
            QCOMPARE(book->y(), top + 20);

        clickBook(wrongBook(form()));
        QCOMPARE(m_cues.cues.back(), Cue::CueWrong);
        QCOMPARE(form().lcdScore->Value(), QStringLiteral("295"));

        for (int tick = 0; tick <= 100; ++tick)
            form().timValueTimer();
        QCOMPARE(m_cues.cues.back(), Cue::CueTimeOut);
        QVERIFY(form().OTShelfList[1]->isVisible());
        QCOMPARE(form().lcdValue->Value(), QStringLiteral("500"));
    }

    // The second click of a pair lands on the book that has dropped into the wanted one's place. As part of a
    // double click it never costs anything, but it shelves that book if it is wanted now; on its own, however
    // soon, it is judged like any click.
    void aDoubleClickOnTheWantedBookNeverCosts_data()
    {
        QTest::addColumn<bool>("doubleClick");
        QTest::newRow("double click") << true;
        QTest::newRow("slow second click") << false;
    }

    void aDoubleClickOnTheWantedBookNeverCosts()
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
        const int scoreBefore = score(form());
        const int wantedBefore = form().WantedIndex();
        const bool aboveIsNext = books(form()).indexOf(above) == wantedBefore + 1;
        m_cues.cues.clear();

        const QPoint at(60, 10);
        const auto send = [at](TImage *book, QEvent::Type type, quint64 timestamp) {
            const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
            QMouseEvent event(type, at, book->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
            event.setTimestamp(timestamp);
            QApplication::sendEvent(book, &event);
        };
        TImage *first = wanted(form());
        const QRect place = first->geometry();
        const quint64 pressed = 1'000'000;
        send(first, QEvent::MouseButtonPress, pressed);
        send(first, QEvent::MouseButtonRelease, pressed + 50);
        QCOMPARE(above->geometry(), place);
        // Qt sends the second press of a pair only as a double click.
        if (doubleClick)
            send(above, QEvent::MouseButtonDblClick, pressed + 100);
        else
            send(above, QEvent::MouseButtonPress, pressed + 1000);
        send(above, QEvent::MouseButtonRelease, pressed + 1050);

        if (doubleClick && !aboveIsNext) {
            QCOMPARE(m_cues.cues, std::vector<Cue> {Cue::CueCorrect});
            QCOMPARE(score(form()), scoreBefore + 500);
            QCOMPARE(form().WantedIndex(), wantedBefore + 1);
        } else {
            QCOMPARE(m_cues.cues.size(), 2u);
            QCOMPARE(m_cues.cues[1], aboveIsNext ? Cue::CueCorrect : Cue::CueWrong);
            QCOMPARE(score(form()), scoreBefore + (aboveIsNext ? 1000 : 450));
        }
    }

    void aFinishedGameOffersItsScore()
    {
        newTestament(form());
        go(form());
        while (form().WantedIndex() < form().LastIndex())
            clickBook(wanted(form()));
        clickBook(wanted(form()));
        checkCompletedBoard();
        QCOMPARE(m_highScores->count(), 1);
        QCOMPARE(form().NewNTScore, 27 * 500);
        QCOMPARE(form().NewOTScore, 0);
        QCOMPARE(form().lcdScore->Value(), QStringLiteral("13500"));
    }

    void stopOffersAPositiveScoreOnly()
    {
        go(form());
        stop(form());
        QCOMPARE(m_highScores->count(), 0);
        go(form());
        clickBook(wanted(form()));
        clickBook(wanted(form()));
        stop(form());
        QCOMPARE(m_highScores->count(), 1);
        QCOMPARE(form().NewOTScore, 1000);
        QVERIFY(!form().timValue->isActive());
        QVERIFY(form().chkTestament->ToggleEnabled());
        QCOMPARE(visibleCount(form().OTBookList), 37);

        // What is left lying takes no clicks, and the testament switch clears it away.
        m_cues.cues.clear();
        clickBook(wanted(form()));
        clickBook(wrongBook(form()));
        QVERIFY(m_cues.cues.empty());
        QCOMPARE(form().lcdScore->Value(), QStringLiteral("1000"));
        newTestament(form());
        QCOMPARE(visibleCount(form().OTBookList) + visibleCount(form().NTBookList), 0);
        QCOMPARE(visibleCount(form().NTShelfList), 27);
    }

    void hintsShowInTheStatusBarAndSlowTheCountdown()
    {
        hintsOn(form());
        QVERIFY(hint(form()).isEmpty());
        QCOMPARE(form().lcdValue->Value(), QStringLiteral("250"));
        QCOMPARE(form().timValue->interval(), 200);
        go(form());
        QCOMPARE(hint(form()), QStringLiteral("God creates the world"));
        clickBook(wanted(form()));
        QCOMPARE(hint(form()), QStringLiteral("The Hebrews leave Egypt"));
        hintsOff(form());
        QVERIFY(hint(form()).isEmpty());
        QCOMPARE(form().timValue->interval(), 100);
        hintsOn(form());
        QCOMPARE(form().lcdValue->Value(), QStringLiteral("125"));
        stop(form());
        QCOMPARE(hint(form()), QStringLiteral("Game over: score %1.").arg(score(form())));
        QCOMPARE(form().timValue->interval(), 100);
    }

    // P, Pause, another window in front and a minimised window each pause a game: the countdown halts, the pile
    // goes out of sight behind "Paused", screen readers hear it, and the game plays on where it was.
    void aPauseHidesThePileAndHoldsTheValue_data()
    {
        QTest::addColumn<int>("way");
        QTest::newRow("P") << int(PauseWay::P);
        QTest::newRow("Pause") << int(PauseWay::PauseKey);
        QTest::newRow("another window") << int(PauseWay::OtherWindow);
        QTest::newRow("minimised") << int(PauseWay::Minimised);
    }

    void aPauseHidesThePileAndHoldsTheValue()
    {
        QFETCH(int, way);
        QApplication::setActiveWindow(&form());
        QVERIFY(QTest::qWaitForWindowActive(&form()));
        QWidget other;
        const auto pause = [&](bool on) {
            switch (PauseWay(way)) {
            case PauseWay::P:
                QTest::keyClick(&form(), Qt::Key_P);
                break;
            case PauseWay::PauseKey:
                QTest::keyClick(&form(), Qt::Key_Pause);
                break;
            case PauseWay::OtherWindow:
                other.show();
                QApplication::setActiveWindow(on ? &other : &form());
                break;
            case PauseWay::Minimised:
                if (on)
                    form().showMinimized();
                else
                    form().showNormal();
                break;
            }
        };
        const Announcer *announcer = form().findChild<Announcer *>();
        go(form());
        form().timValueTimer();
        pause(true);
        QVERIFY(form().pnlPile->isHidden());
        QVERIFY(!form().lblPaused->isHidden());
        QVERIFY(!form().timValue->isActive());
        const bool byPlayer = way == int(PauseWay::P) || way == int(PauseWay::PauseKey);
        QCOMPARE(
            announcer->last(), byPlayer ? QStringLiteral("Paused. P or Pause plays on.") : QStringLiteral("Paused."));
        form().timValueTimer();
        clickBook(wanted(form()));
        QCOMPARE(value(form()), 495);
        QCOMPARE(score(form()), 0);
        pause(false);
        QVERIFY(!form().pnlPile->isHidden());
        QVERIFY(form().lblPaused->isHidden());
        QVERIFY(form().timValue->isActive());
        QCOMPARE(announcer->last(), QStringLiteral("Playing on."));
        clickBook(wanted(form()));
        QCOMPARE(score(form()), 495);
        stop(form());
    }

    // A wrong book flashes where it lies; the slot of a book the countdown shelved is marked.
    void wrongBooksAndTimeOutsShowOnTheBoard()
    {
        go(form());
        TImage *wrong = wrongBook(form());
        clickBook(wrong);
        QVERIFY(!form().mrkWrongBook->isHidden());
        QVERIFY(form().mrkWrongBook->geometry().contains(wrong->geometry()));
        while (form().WantedIndex() == 0)
            form().timValueTimer();
        QVERIFY(!form().mrkTimedOut->isHidden());
        QVERIFY(form().mrkTimedOut->geometry().contains(shelves(form())[0]->geometry()));
        stop(form());
    }

    void theCountdownTicksOnItsOwn()
    {
        go(form());
        QTRY_VERIFY_WITH_TIMEOUT(value(form()) < 500, 2000);
        stop(form());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
