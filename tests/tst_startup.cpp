#include "app/frmmain.h"
#include "app/gameapplication.h"
#include "app/splash.h"
#include "controls/lcd99.h"
#include "controls/progresschart.h"
#include "filehelpers.h"
#include "gamedriver.h"
#include "look/errorbox.h"
#include "look/help.h"
#include "look/helpwindow.h"
#include "scores/frmcongrats.h"
#include "scores/frmprogress.h"
#include "scores/frmscores.h"
#include "settings/settingsstore.h"

#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <QtTest>

namespace {

// Only the splash's own test waits for its hold.
constexpr std::chrono::milliseconds NoHold {0};

template<typename Window>
Window *topLevel()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *window = qobject_cast<Window *>(widget))
            return window;
    }
    return nullptr;
}

bool welcomeShown()
{
    const THelpWindow *help = topLevel<THelpWindow>();
    return help && help->isVisible() && help->topicTitle() == QStringLiteral("Welcome and high scores");
}

} // namespace

// Starts the whole game the way main() does, each time with a configuration folder of its own.
class TestStartup : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_config;
    QStringList m_errors;

    QString settingsPath() const { return m_config.filePath(QStringLiteral("Tomelor.ini")); }
    // Errors are collected, not shown in a message box that waits for a click.
    ErrorBox::Reporter reporter()
    {
        return [this](QWidget *, const QString &message) { m_errors.append(message); };
    }

private slots:
    void init()
    {
        QVERIFY(m_config.isValid());
        QFile::remove(settingsPath());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
        m_errors.clear();
    }

    void cleanup()
    {
        if (THelpWindow *help = topLevel<THelpWindow>())
            help->hide();
    }

    void firstStartWelcomesThePlayerOnce()
    {
        {
            GameApplication game(reporter(), NoHold);
            QVERIFY(game.frmMain->isVisible());
            QVERIFY(!game.frmScores->isVisible());
            QVERIFY(!game.frmCongrats->isVisible());
            QCOMPARE(game.frmMain->OTShelfList.size(), 39);
            QTRY_VERIFY(welcomeShown());
            QTRY_VERIFY(contents(settingsPath()).contains("First Time=0"));
            QVERIFY(contents(settingsPath()).contains("[Settings]"));
            QVERIFY(m_errors.isEmpty());
            // The splash is gone once the event loop has run.
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(!topLevel<TSplash>());
        }
        topLevel<THelpWindow>()->hide();
        GameApplication second(reporter(), NoHold);
        second.settings->current();
        QCoreApplication::processEvents();
        QVERIFY(!welcomeShown());
        QCOMPARE(contents(settingsPath()).count("First Time"), 1);
    }

    // Compositors place windows themselves (on Wayland no program may); they put a window over the one it is
    // transient for.
    void dialogsAndHelpStandOverTheMainWindow()
    {
        GameApplication game(reporter(), NoHold);
        QTRY_VERIFY(welcomeShown());
        const QWindow *main = game.frmMain->windowHandle();
        QVERIFY(main);
        QCOMPARE(topLevel<THelpWindow>()->windowHandle()->transientParent(), main);
        for (QWidget *dialog : std::initializer_list<QWidget *> { game.frmScores, game.frmCongrats }) {
            dialog->winId();
            QCOMPARE(dialog->windowHandle()->transientParent(), main);
        }
    }

    void windowsOfFixedSizeNeitherGrowNorMaximise()
    {
        GameApplication game(reporter(), NoHold);
        for (QWidget *window : std::initializer_list<QWidget *> { game.frmMain.get(), game.frmScores,
                                                                   game.frmCongrats }) {
            window->winId();
            const QWindow *handle = window->windowHandle();
            QCOMPARE(handle->minimumSize(), window->size());
            QCOMPARE(handle->maximumSize(), window->size());
            QVERIFY(!(handle->flags() & Qt::WindowMaximizeButtonHint));
        }
        // As a title bar that offers to maximise all the same does it.
        const QSize size = game.frmMain->size();
        game.frmMain->windowHandle()->setWindowStates(Qt::WindowMaximized);
        QTRY_VERIFY(!(game.frmMain->windowHandle()->windowStates() & Qt::WindowMaximized));
        QVERIFY(!game.frmMain->isMaximized());
        QCOMPARE(game.frmMain->size(), size);
    }

    void unwritableSettingsAreReportedAndTheGameStarts()
    {
        // A configuration "folder" that is a plain file cannot hold the settings file, even for root.
        QFile blocker(m_config.filePath(QStringLiteral("not-a-folder")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(blocker.fileName()));
        GameApplication game(reporter(), NoHold);
        QTRY_COMPARE(m_errors.size(), 1);
        QVERIFY(m_errors.first().startsWith(QStringLiteral("Unable to write to ")));
        QVERIFY(game.frmMain->isVisible());
        QTRY_VERIFY(welcomeShown());

        // The end of a game tells it once: the progress, or the high-score table saved before it.
        TfrmMain &form = *game.frmMain;
        Play::go(form);
        Play::stop(form);
        game.settings->current();
        QCOMPARE(m_errors.size(), 2);
        QVERIFY(m_errors.last().endsWith(QStringLiteral("your progress was not stored")));
        QTimer answer;
        connect(&answer, &QTimer::timeout, this, [&] {
            if (game.frmCongrats->isVisible())
                game.frmCongrats->btnOK->click();
            else if (game.frmScores->isVisible())
                game.frmScores->Button1->click();
        });
        answer.start(20);
        Play::go(form);
        Play::clickBook(Play::wanted(form));
        Play::stop(form);
        game.settings->current();
        QCOMPARE(m_errors.size(), 3);
        QVERIFY(m_errors.last().endsWith(QStringLiteral("your score was not stored")));
    }

    void aPositiveScoreReachesTheTableAndTheFile()
    {
        QFile seeded(settingsPath());
        QVERIFY(seeded.open(QIODevice::WriteOnly));
        seeded.write("[Settings]\nFirst Time=0\n");
        seeded.close();
        GameApplication game(reporter(), NoHold);
        TfrmMain &form = *game.frmMain;
        Play::go(form);
        Play::clickBook(Play::wanted(form));

        // The initials dialog comes first, then the table; answer both as a player would.
        bool initialsAsked = false;
        bool tableShown = false;
        QTimer answer;
        connect(&answer, &QTimer::timeout, this, [&] {
            if (game.frmCongrats->isVisible()) {
                initialsAsked = true;
                game.frmCongrats->edtInitials->selectAll();
                QTest::keyClicks(game.frmCongrats->edtInitials, QStringLiteral("abc"));
                QTest::keyClick(game.frmCongrats->edtInitials, Qt::Key_Return);
            } else if (game.frmScores->isVisible()) {
                tableShown = game.frmScores->OTScoreDisplays[0]->Value() == form.lcdScore->Value();
                game.frmScores->Button1->click();
            }
        });
        answer.start(20);
        Play::stop(form);
        game.settings->current();
        QVERIFY(initialsAsked);
        QVERIFY(tableShown);
        const QByteArray saved = contents(settingsPath());
        QVERIFY(saved.contains("[OT Scores]\n1=" + form.lcdScore->Value().toLatin1()));
        QVERIFY(saved.contains("Last=ABC"));
    }

    // Book 5 costs a wrong click and book 9 runs out of time; STOP while book 10 is wanted. The high scores are too
    // high to enter, so the table shows and nothing of them is written.
    void everyFinishedGameTeachesWhichBooksCost()
    {
        QByteArray scores = "[Settings]\nFirst Time=0\n[OT Scores]\n";
        for (int row = 1; row <= 5; ++row)
            scores += QByteArray::number(row) + "=19999\n";
        QFile seeded(settingsPath());
        QVERIFY(seeded.open(QIODevice::WriteOnly));
        seeded.write(scores);
        seeded.close();
        GameApplication game(reporter(), NoHold);
        TfrmMain &form = *game.frmMain;
        std::int64_t now = 0;
        form.setClock([&now] { return now; });
        QTimer closeTable;
        connect(&closeTable, &QTimer::timeout, this, [&] {
            if (game.frmScores->isVisible())
                game.frmScores->Button1->click();
        });
        closeTable.start(20);

        Play::go(form);
        for (int book = 1; book <= 8; ++book) {
            now += 1000;
            if (book == 5)
                Play::clickBook(Play::wrongBook(form));
            Play::clickBook(Play::wanted(form));
        }
        while (form.WantedIndex() == 8) {
            now += 100;
            form.timValueTimer();
        }
        now += 500;
        Play::stop(form);
        game.settings->current();
        QByteArray saved = contents(settingsPath());
        QVERIFY2(saved.startsWith(scores + "\n[OT Progress]\n1=1,1,0,0,10\n2=1,1,0,0,10\n"), saved.constData());
        QVERIFY(saved.contains("\n5=1,1,0,1,10\n"));
        QVERIFY(saved.contains("\n9=1,0,1,0,101\n"));
        QVERIFY(saved.endsWith("\n8=1,1,0,0,10\n9=1,0,1,0,101\n10=1,0,0,0,5\n"));

        // A second game adds to the first; F2 does nothing while it runs.
        Play::go(form);
        QApplication::setActiveWindow(&form);
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QTest::keyClick(&form, Qt::Key_F2);
        QVERIFY(!QApplication::activeModalWidget());
        now += 2000;
        Play::stop(form);
        game.settings->current();
        QVERIFY(contents(settingsPath()).contains("[OT Progress]\n1=2,1,0,0,30\n"));

        // F2 shows the progress, the last game marked although the window was not there when it ended; Forget
        // progress asks, then clears it and leaves the high scores.
        TfrmProgress *progress = game.progressWindow();
        QString question;
        progress->setConfirmer([&](QWidget *, const QString &asked) {
            question = asked;
            return true;
        });
        QString summary;
        double lastGenesis = -1;
        QStringList ninthRow;
        QStringList headers;
        QAccessible::Role tableRole = QAccessible::NoRole;
        QString tableName;
        QByteArray forgotten;
        bool fits = false;
        bool closeReached = false;
        QTimer look;
        connect(&look, &QTimer::timeout, this, [&] {
            if (!progress->isVisible())
                return;
            look.stop();
            // Taller than the test screen, it stands within it and scrolls: Tab reaches Close and brings it into
            // sight.
            fits = progress->screen()->availableGeometry().contains(progress->geometry());
            for (int tab = 0; tab < 8 && progress->focusWidget() != progress->btnClose; ++tab)
                QTest::keyClick(progress->focusWidget(), Qt::Key_Tab);
            closeReached = progress->focusWidget() == progress->btnClose && !progress->btnClose->visibleRegion().isEmpty();
            progress->grdBooks->setFocus();
            summary = progress->lblSummary->text();
            lastGenesis = progress->chtProgress->bars().first().lastSeconds;
            // The table as screen readers walk it.
            QAccessibleInterface *table = QAccessible::queryAccessibleInterface(progress->grdBooks);
            tableRole = table->role();
            tableName = table->text(QAccessible::Name);
            for (int column = 0; column < table->tableInterface()->columnCount(); ++column) {
                headers.append(table->tableInterface()->columnDescription(column));
                ninthRow.append(table->tableInterface()->cellAt(8, column)->text(QAccessible::Name));
            }
            progress->btnForget->click();
            game.settings->current();
            forgotten = contents(settingsPath());
            QTest::keyClick(progress->grdBooks, Qt::Key_Escape);
        });
        look.start(20);
        QApplication::setActiveWindow(&form);
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QTest::keyClick(&form, Qt::Key_F2);
        QVERIFY(!progress->isVisible());
        QCOMPARE(progress->windowTitle(), QStringLiteral("Progress"));
        QVERIFY(fits);
        QVERIFY(closeReached);
        QCOMPARE(summary,
            QStringLiteral("Slowest: I Samuel 10.1, Genesis 1.5, Exodus 1.0 seconds on average\n"
                           "Cost you most: Deuteronomy 1.0, I Samuel 1.0 wrong clicks and time-outs a game"));
        QCOMPARE(lastGenesis, 2.0);
        QCOMPARE(tableRole, QAccessible::Table);
        QCOMPARE(tableName, QStringLiteral("Old Testament, book by book"));
        QCOMPARE(headers, (QStringList {"Book", "Games", "Average seconds", "Wrong clicks", "Time-outs"}));
        QCOMPARE(ninthRow, (QStringList {"I Samuel", "1", "10.1", "0", "1"}));
        QVERIFY(question.contains(QStringLiteral("high scores stay")));
        QVERIFY(forgotten.startsWith(scores + "\n[OT Progress]\n1=0,0,0,0,0\n"));
        QVERIFY(!forgotten.contains(",1"));
        QVERIFY(!progress->progress().played());
        QCOMPARE(progress->HelpContext(), Help::ProgressTopic);

        // Enter closes it too, from the table as from anywhere.
        QTimer::singleShot(50, progress->grdBooks, [&] { QTest::keyClick(progress->grdBooks, Qt::Key_Return); });
        QApplication::setActiveWindow(&form);
        QTest::keyClick(&form, Qt::Key_F2);
        QVERIFY(!progress->isVisible());
        QVERIFY(m_errors.isEmpty());
    }

    // With the Minor Prophets costliest, F3 practises them alone: the game ends without a high-score dialog though
    // its score would top the table, and counts in the progress. In the Progress window Practise plays the section
    // picked instead of the one selected.
    void practiceDealsTheCostliestSectionAndKeepsTheHighScores()
    {
        QByteArray seeded = "[Settings]\nFirst Time=0\n[OT Scores]\n1=100\n[OT Users]\n1=ABC\n\n[OT Progress]\n";
        QByteArray expected = seeded;
        for (int book = 1; book <= OTBookCount; ++book) {
            seeded += QByteArray::number(book) + (book < 28 ? "=1,1,0,0,20\n" : "=1,1,0,0,90\n");
            expected += QByteArray::number(book) + (book < 28 ? "=1,1,0,0,20\n" : "=2,2,0,0,100\n");
        }
        QFile file(settingsPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(seeded);
        file.close();
        GameApplication game(reporter(), NoHold);
        TfrmMain &form = *game.frmMain;
        std::int64_t now = 0;
        form.setClock([&now] { return now; });
        bool highScoresShown = false;
        QTimer answer;
        connect(&answer, &QTimer::timeout, this, [&] {
            highScoresShown = highScoresShown || game.frmScores->isVisible();
            if (game.frmCongrats->isVisible())
                game.frmCongrats->btnOK->click();
            else if (game.frmScores->isVisible())
                game.frmScores->Button1->click();
        });
        answer.start(5);

        QApplication::setActiveWindow(&form);
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QTest::keyClick(&form, Qt::Key_F3);
        for (int index = 0; index < OTBookCount; ++index)
            QCOMPARE(Play::shelves(form)[index]->isVisible(), index < 27);
        QCOMPARE(Play::visibleCount(Play::books(form)), 12);
        QCOMPARE(Play::hint(form), QStringLiteral("Practice: Minor Prophets, 12 books in the pile."));
        while (form.gameRunning()) {
            now += 1000;
            Play::clickBook(Play::wanted(form));
        }
        QVERIFY(Play::score(form) > 100);
        QCOMPARE(Play::hint(form),
            QStringLiteral("Practice over: Minor Prophets, 12 of 12 books found, score %1.").arg(Play::score(form)));
        game.settings->current();
        QCOMPARE(contents(settingsPath()), expected);

        TfrmProgress *progress = game.progressWindow();
        int selected = -1;
        QTimer pick;
        connect(&pick, &QTimer::timeout, this, [&] {
            if (!progress->isVisible())
                return;
            pick.stop();
            selected = progress->grdSections->currentRow();
            progress->grdSections->setCurrentCell(0, 0);
            progress->btnPractise->click();
        });
        pick.start(20);
        QTest::keyClick(&form, Qt::Key_F2);
        QCOMPARE(selected, 4);
        QCOMPARE(form.pileInOrder().size(), 5);
        QCOMPARE(Play::wanted(form)->Tag(), 1);
        Play::stop(form);
        QVERIFY(!highScoresShown);
        QVERIFY(m_errors.isEmpty());
    }

    void theSwitchesComeBackAsTheyWereLeft_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<bool>("newTestament");
        QTest::addColumn<bool>("hints");
        QTest::newRow("Old, hints off") << QByteArray("Testament=0\nHints=0\n") << false << false;
        QTest::newRow("New, hints on") << QByteArray("Testament=1\nHints=1\n") << true << true;
        QTest::newRow("a file from before the switches were kept") << QByteArray() << false << false;
    }

    // The switches come back as stored; a game started with hints that came back on runs as one started with hints
    // left on from the last game, at full speed from 250. Both switches flipped come back flipped at the next start.
    void theSwitchesComeBackAsTheyWereLeft()
    {
        QFETCH(QByteArray, stored);
        QFETCH(bool, newTestament);
        QFETCH(bool, hints);
        store(settingsPath(), "[Settings]\nFirst Time=0\n" + stored);
        const auto shownAsLeft = [](const TfrmMain &form, bool newTestament, bool hints) {
            QCOMPARE(form.chosenTestament(), newTestament ? Testament::New : Testament::Old);
            QCOMPARE(form.chkHints->Checked(), hints);
            QCOMPARE(Play::visibleCount(Play::shelves(form)), Play::shelves(form).size());
        };
        {
            GameApplication game(reporter(), NoHold);
            game.settings->current();
            TfrmMain &form = *game.frmMain;
            shownAsLeft(form, newTestament, hints);
            Play::go(form);
            QCOMPARE(form.round().value(), hints ? 250 : 500);
            QCOMPARE(form.round().countdownInterval(), 100);
            Play::stop(form);
            newTestament ? Play::oldTestament(form) : Play::newTestament(form);
            hints ? Play::hintsOff(form) : Play::hintsOn(form);
            game.settings->current();
        }
        GameApplication next(reporter(), NoHold);
        next.settings->current();
        shownAsLeft(*next.frmMain, !newTestament, !hints);
        QVERIFY(m_errors.isEmpty());
    }

    void closingTheMainWindowMidGameEndsWithoutWriting()
    {
        QFile seeded(settingsPath());
        QVERIFY(seeded.open(QIODevice::WriteOnly));
        seeded.write("[Settings]\nFirst Time=0\n");
        seeded.close();
        const QByteArray before = contents(settingsPath());
        GameApplication game(reporter(), NoHold);
        TfrmMain &form = *game.frmMain;
        QTimer::singleShot(0, &form, [&] {
            Play::go(form);
            Play::clickBook(Play::wanted(form));
            form.close();
        });
        QTimer safety;
        safety.setSingleShot(true);
        connect(&safety, &QTimer::timeout, qApp, &QCoreApplication::quit);
        safety.start(10000);
        QCoreApplication::exec();
        QVERIFY(safety.isActive()); // the loop ended by the closing, not by the safety net
        QVERIFY(!game.frmScores->isVisible());
        QCOMPARE(contents(settingsPath()), before);
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
