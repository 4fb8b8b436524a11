#include "gamedriver.h"
#include "seatlesscompositor.h"

#include "platform/announcer.h"
#include "game/catalogue.h"
#include "game/hints.h"
#include "game/pile.h"
#include "look/focusring.h"
#include "look/helpwindow.h"
#include "scores/frmcongrats.h"
#include "scores/frmscores.h"
#include "settings/settingsstore.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextBrowser>
#include <QtTest>

#include <memory>
#include <random>

// What the window announces to screen readers, in order: each announcement is a notification that appears, named
// by what it says.
class Heard
{
public:
    explicit Heard(QWidget *window)
        : m_window(window)
        , m_spy(window->findChild<Announcer *>(), &Announcer::announced)
    {
    }
    QString last()
    {
        const QStringList said = all();
        const QString text = said.value(said.size() - 1);
        // What was said last stands as the name of a notification that has just appeared.
        for (TNotification *notification : m_window->findChildren<TNotification *>()) {
            QAccessibleInterface *told = QAccessible::queryAccessibleInterface(notification);
            if (told->text(QAccessible::Name) == text && notification->isVisible())
                return told->role() == QAccessible::Notification ? text : QString();
        }
        return QString();
    }
    QStringList all() const
    {
        QStringList said;
        for (const QList<QVariant> &announcement : m_spy)
            said.append(announcement.first().toString());
        return said;
    }

private:
    QWidget *m_window;
    QSignalSpy m_spy;
};

// What a screen reader learns of the game: names, descriptions, roles, states and values of every control a
// player uses, and the actions that let it play without a mouse.
class TestAccessibility : public QObject
{
    Q_OBJECT

    std::unique_ptr<TfrmMain> m_form;
    RecordingCuePlayer m_cues;

    static QAccessibleInterface *describe(QObject *control)
    {
        return QAccessible::queryAccessibleInterface(control);
    }

    static QString name(QObject *control) { return describe(control)->text(QAccessible::Name); }

    static void press(QObject *control)
    {
        QAccessibleActionInterface *actions = describe(control)->actionInterface();
        QVERIFY(actions);
        QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
        actions->doAction(QAccessibleActionInterface::pressAction());
        // The press comes through the event loop, as a click does.
        QCoreApplication::sendPostedEvents();
    }

    // A game started from the keyboard, which has just gone into the pile by Tab.
    void startInThePile()
    {
        m_form->activateWindow();
        SeatlessCompositor::activate(m_form.get());
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
        Play::go(*m_form);
        m_form->chkGO->setFocus(Qt::TabFocusReason);
        QTest::keyClick(m_form->chkGO, Qt::Key_Tab);
    }

private slots:
    void init()
    {
        m_form = std::make_unique<TfrmMain>();
        m_form->setCuePlayer(&m_cues);
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    }

    void cleanup()
    {
        m_form.reset();
    }

    void everyControlOfTheMainWindowHasANameAndADescription()
    {
        const QList<QWidget *> controls { m_form->chkTestament, m_form->chkHints, m_form->chkGO,
                                          m_form->lcdValue, m_form->lcdScore, m_form->stbHints,
                                          m_form->OTBookList.first(), m_form->NTBookList.last() };
        for (QWidget *control : controls) {
            if (control != m_form->stbHints)
                QVERIFY2(!name(control).isEmpty(), qPrintable(control->objectName()));
            // A book's name is all it says: a description at every book would hold up play.
            const bool book = qobject_cast<TImage *>(control);
            QVERIFY2(
                describe(control)->text(QAccessible::Description).isEmpty() == book, qPrintable(control->objectName()));
        }
        // A switch describes itself when it first takes the keyboard, and only then.
        SeatlessCompositor::activate(m_form.get());
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
        m_form->chkHints->setFocus();
        m_form->chkGO->setFocus();
        QVERIFY(describe(m_form->chkHints)->text(QAccessible::Description).isEmpty());
        QCOMPARE(describe(m_form->Image2)->role(), QAccessible::Graphic);
        QCOMPARE(name(m_form->Image2), QStringLiteral("Bookcase"));
    }

    void switchesAreToggleButtonsNamedForTheirState()
    {
        QAccessibleInterface *testament = describe(m_form->chkTestament);
        QCOMPARE(testament->role(), QAccessible::Button);
        QVERIFY(testament->state().checkable);
        QVERIFY(!testament->state().checked);
        QCOMPARE(testament->text(QAccessible::Name), QStringLiteral("Testament: Old Testament"));
        QCOMPARE(name(m_form->chkHints), QStringLiteral("Hints: off"));
        QCOMPARE(name(m_form->chkGO), QStringLiteral("GO!"));

        Play::newTestament(*m_form);
        Play::hintsOn(*m_form);
        QVERIFY(testament->state().checked);
        QCOMPARE(testament->text(QAccessible::Name), QStringLiteral("Testament: New Testament"));
        QCOMPARE(name(m_form->chkHints), QStringLiteral("Hints: on"));
    }

    void aGameCanBePlayedThroughAssistiveActions()
    {
        press(m_form->chkGO);
        QVERIFY(m_form->gameRunning());
        QCOMPARE(name(m_form->chkGO), QStringLiteral("STOP"));
        QVERIFY(describe(m_form->chkGO)->state().checked);
        // The testament cannot change during a game, and says so.
        QVERIFY(describe(m_form->chkTestament)->state().disabled);
        press(m_form->chkTestament);
        QCOMPARE(m_form->chosenTestament(), Testament::Old);

        TImage *genesis = Play::wanted(*m_form);
        QCOMPARE(describe(genesis)->role(), QAccessible::Button);
        QCOMPARE(name(genesis), QStringLiteral("Genesis"));
        const int value = Play::value(*m_form);
        press(genesis);
        QCOMPARE(Play::score(*m_form), value);
        QVERIFY(!genesis->isVisible());
        QVERIFY(describe(genesis)->state().invisible);

        press(Play::wrongBook(*m_form));
        QCOMPARE(Play::score(*m_form), value - 50);

        press(m_form->chkGO);
        QVERIFY(!m_form->gameRunning());
        QCOMPARE(name(m_form->chkGO), QStringLiteral("GO!"));
        QVERIFY(!describe(m_form->chkTestament)->state().disabled);
    }

    void theWindowIsAFrameThatListsThePileInTheOrderItWasDealt()
    {
        m_form->setSeedSource([] { return 7u; });
        press(m_form->chkGO);
        std::mt19937 generator(7);
        const std::vector<Pile::DealtBook> dealt = Pile::deal(OTBookCount, generator);
        QStringList expected(OTBookCount);
        for (int index = 0; index < OTBookCount; ++index)
            expected[dealt[index].cell.Row * 5 + dealt[index].cell.Column] = spokenBookName(Testament::Old, index + 1);

        QAccessibleInterface *window = describe(m_form.get());
        QCOMPARE(window->role(), QAccessible::Window);
        QCOMPARE(window->text(QAccessible::Name), QStringLiteral("Tomelor!"));
        QStringList read;
        for (int i = 0; i < window->childCount(); ++i) {
            QAccessibleInterface *child = window->child(i);
            QCOMPARE(window->indexOfChild(child), i);
            QVERIFY(!qobject_cast<FocusRing *>(child->object()));
            if (qobject_cast<TImage *>(child->object()) && child->role() == QAccessible::Button
                && !child->state().invisible)
                read.append(child->text(QAccessible::Name));
        }
        QCOMPARE(read, expected);
    }

    void pressActionsReturnBeforeTheClickIsHandled()
    {
        QSignalSpy highScores(m_form.get(), &TfrmMain::highScoresDue);
        Play::go(*m_form);
        while (m_form->WantedIndex() < m_form->LastIndex())
            Play::clickBook(Play::wanted(*m_form));
        TImage *last = Play::wanted(*m_form);
        // The last book ends the game, and the high-score dialogs would hold up the tool that pressed it.
        describe(last)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(!last->isHidden());
        QCOMPARE(highScores.count(), 0);
        QCoreApplication::sendPostedEvents();
        QVERIFY(last->isHidden());
        QCOMPARE(highScores.count(), 1);
    }

    void theFocusedBookIsNamedAndOnlyTheScoreAnnouncesItsChanges()
    {
        startInThePile();
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("gen"));
        QAccessibleInterface *genesis = describe(m_form->OTBookList.first());
        QVERIFY(genesis->state().focused);
        QCOMPARE(genesis->text(QAccessible::Name), QStringLiteral("Genesis"));
        // After the shelving another book has the keyboard, and says its name when it takes it.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        auto *next = qobject_cast<TImage *>(QApplication::focusWidget());
        QVERIFY(next && next != m_form->OTBookList.first());
        QVERIFY(describe(next)->state().focused);
        QCOMPARE(name(next), spokenBookName(Testament::Old, next->Tag()));
        // The countdown would speak ten times a second; the score speaks when a book is shelved or missed.
        QVERIFY(!m_form->lcdValue->AnnouncesValue());
        QVERIFY(m_form->lcdScore->AnnouncesValue());
    }

    void everythingThatHappensIsToldAsItHappens()
    {
        Heard heard(m_form.get());
        Play::newTestament(*m_form);
        QCOMPARE(heard.last(), QStringLiteral("New Testament."));
        Play::oldTestament(*m_form);
        Play::hintsOn(*m_form);
        QCOMPARE(heard.last(), QStringLiteral("Hints on: half value, slower countdown."));
        Play::go(*m_form);
        QCOMPARE(heard.last(),
            QStringLiteral("Old Testament game: 39 books in the pile. Hints on, slowed. "
                           "Hint: God creates the world."));
        const qsizetype told = heard.all().size();
        m_form->timValueTimer();
        QCOMPARE(heard.all().size(), told);
        Play::clickBook(Play::wanted(*m_form));
        QCOMPARE(heard.last(), QStringLiteral("Right. Score %1. Hint: The Hebrews leave Egypt.").arg(245));
        Play::clickBook(Play::wrongBook(*m_form));
        QCOMPARE(heard.last(), QStringLiteral("Wrong book: minus 50. Score 195."));
        while (m_form->WantedIndex() == 1)
            m_form->timValueTimer();
        QCOMPARE(heard.last(), QStringLiteral("Time is up: Exodus shelved. Hint: The Hebrews worship God."));
        Play::stop(*m_form);
        QCOMPARE(heard.last(), QStringLiteral("Stopped. Game over: score 195."));
        // Nothing told names two lying books in the order of the Bible.
        for (const QString &said : heard.all()) {
            for (int tag = 1; tag < OTBookCount; ++tag) {
                QVERIFY2(!said.contains(spokenBookName(Testament::Old, tag) + QLatin1Char(' ')
                             + spokenBookName(Testament::Old, tag + 1)),
                    qPrintable(said));
            }
        }
    }

    void typingSaysTheBookFoundEvenWhenTheKeyboardStaysOnIt()
    {
        startInThePile();
        Heard heard(m_form.get());
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("g"));
        QCOMPARE(name(QApplication::focusWidget()), QStringLiteral("Genesis"));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("en"));
        QCOMPARE(heard.all().mid(heard.all().size() - 2),
            QStringList({QStringLiteral("Genesis"), QStringLiteral("Genesis")}));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("x"));
        QCOMPARE(heard.last(), QStringLiteral("No book starts with genx."));
    }

    void theHighScoreRowsAreReadOneByOneEachTestamentTogether()
    {
        QTemporaryDir folder;
        SettingsStore settings(folder.filePath(QStringLiteral("Tomelor.ini")));
        TfrmCongrats congrats;
        TfrmScores scores(settings, &congrats);
        congrats.setNewScore(Testament::Old, 1545, 2);
        QCOMPARE(describe(&congrats)->text(QAccessible::Description),
            QStringLiteral("Score 1545: place 2 of the Old Testament."));
        scores.NewNTScore = 900;
        QStringList read;
        // The initials dialog comes first and takes what it proposes; then the table is read from OK on.
        auto *asked = new QTimer(&scores);
        connect(asked, &QTimer::timeout, &scores, [&] {
            if (!congrats.isVisible())
                return;
            asked->stop();
            congrats.btnOK->click();
            QTimer::singleShot(0, &scores, [&] {
                QTest::keyClick(scores.Button1, Qt::Key_Tab);
                for (int row = 0; row < 2 * ScoreRowCount; ++row) {
                    QWidget *focused = scores.focusWidget();
                    read.append(name(focused) + QLatin1Char('|') + describe(focused)->text(QAccessible::Description));
                    QTest::keyClick(focused, Qt::Key_Down);
                }
                scores.Button1->click();
            });
        });
        asked->start(1);
        scores.ShowModal();
        QCOMPARE(read.size(), 2 * ScoreRowCount);
        QCOMPARE(read.first(), QStringLiteral("Place 1, empty|Old Testament high scores"));
        // The row of the score just entered says so.
        QCOMPARE(read[ScoreRowCount], QStringLiteral("Place 1, 900, ???, new|New Testament high scores"));
        QCOMPARE(read.last(), QStringLiteral("Place 5, empty|"));
        QCOMPARE(describe(scores.Image2)->role(), QAccessible::Heading);
    }

    void theHelpWindowIsAWindowThatEscapeCloses()
    {
        THelpWindow help;
        help.show();
        QVERIFY(QTest::qWaitForWindowExposed(&help));
        QCOMPARE(describe(&help)->role(), QAccessible::Window);
        SeatlessCompositor::activate(&help);
        QVERIFY(QTest::qWaitForWindowActive(&help));
        QTest::keyClick(static_cast<QWidget *>(help.txtTopic), Qt::Key_Escape);
        QVERIFY(!help.isVisible());
    }

    void shelvedBooksAreGraphicsWithSpokenNames()
    {
        QAccessibleInterface *samuel = describe(m_form->OTShelfList[8]);
        QCOMPARE(samuel->role(), QAccessible::Graphic);
        QCOMPARE(samuel->text(QAccessible::Name), QStringLiteral("1 Samuel"));
        QVERIFY(samuel->actionInterface()->actionNames().isEmpty()
                || !samuel->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    }

    void displaysReadTheirValue()
    {
        QAccessibleInterface *score = describe(m_form->lcdScore);
        QCOMPARE(score->role(), QAccessible::StaticText);
        QCOMPARE(score->text(QAccessible::Name), QStringLiteral("Score: 0"));
        QCOMPARE(score->text(QAccessible::Value), QStringLiteral("0"));
        QCOMPARE(name(m_form->lcdValue), QStringLiteral("Book value: 500"));

        Play::go(*m_form);
        m_form->timValueTimer();
        QCOMPARE(name(m_form->lcdValue), QStringLiteral("Book value: 495"));
        QCOMPARE(describe(m_form->lcdValue)->text(QAccessible::Value), QStringLiteral("495"));
    }

    void statusBarReadsTheHint()
    {
        Play::hintsOn(*m_form);
        Play::go(*m_form);
        QAccessibleInterface *status = describe(m_form->stbHints);
        QCOMPARE(status->role(), QAccessible::StatusBar);
        QCOMPARE(status->text(QAccessible::Name), Hints::text(Testament::Old, 1));
        Play::clickBook(Play::wanted(*m_form));
        QCOMPARE(status->text(QAccessible::Name), Hints::text(Testament::Old, 2));
    }

    void highScoreDialogsNameTheirFields()
    {
        TfrmCongrats congrats;
        QCOMPARE(name(congrats.edtInitials), QStringLiteral("Your initials"));
        QVERIFY(!describe(congrats.edtInitials)->text(QAccessible::Description).isEmpty());
        QCOMPARE(name(congrats.btnOK), QStringLiteral("OK"));

        QTemporaryDir folder;
        SettingsStore settings(folder.filePath(QStringLiteral("Tomelor.ini")));
        TfrmScores scores(settings, &congrats);
        // An empty row says only its place.
        QCOMPARE(describe(scores.lblOTUser[0])->text(QAccessible::Description),
                 QStringLiteral("Old Testament, place 1, initials"));
        scores.lblOTUser[0]->setText(QStringLiteral("ABC"));
        QCOMPARE(name(scores.lblOTUser[0]), QStringLiteral("ABC"));
        QCOMPARE(name(scores.Image1), QStringLiteral("Old Testament high scores"));
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
