#include "app/frmmain.h"
#include "app/gameapplication.h"
#include "controls/image.h"
#include "controls/lcd99.h"
#include "controls/mgcheckbox.h"
#include "game/board.h"
#include "gamedriver.h"
#include "look/focusring.h"
#include "scores/frmcongrats.h"
#include "scores/frmscores.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

// Only the splash's own test waits for its hold.
constexpr std::chrono::milliseconds NoHold {0};

QWidget *focused(QWidget &window)
{
    QWidget *widget = QApplication::focusWidget();
    return widget ? widget : &window;
}

// A key as the player presses it: to whatever has the keyboard.
void press(QWidget &window, int key)
{
    QTest::keyClick(focused(window), Qt::Key(key));
}

// Walks the keyboard to the book with the arrow keys alone: down to the bottom row, along it, up the column.
void walkTo(TfrmMain &form, TImage *target)
{
    for (int step = 0; step < 20 && QApplication::focusWidget() != target; ++step) {
        const QPoint here = focused(form)->pos();
        const QPoint there = target->pos();
        if (std::abs(here.x() - there.x()) > Board::MaxJitter && here.y() != Board::pileTop(0))
            press(form, Qt::Key_Down);
        else if (std::abs(here.x() - there.x()) > Board::MaxJitter)
            press(form, here.x() < there.x() ? Qt::Key_Right : Qt::Key_Left);
        else
            press(form, here.y() > there.y() ? Qt::Key_Up : Qt::Key_Down);
    }
}

// The book lying on top of this one in its column, if any.
TImage *bookAbove(TfrmMain &form, TImage *book)
{
    for (TImage *other : form.OTBookList) {
        if (!other->isHidden() && std::abs(other->x() - book->x()) <= Board::MaxJitter
            && other->y() == book->y() - Board::LyingBookSize.height())
            return other;
    }
    return nullptr;
}

} // namespace

// The main window played without a pointer: Tab between the switches and the pile, arrows and names in the pile,
// Space to press, and the keyboard's ring.
class TestKeyboard : public QObject
{
    Q_OBJECT

    QTemporaryDir m_config;

private slots:
    void init()
    {
        QVERIFY(m_config.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
        QFile settings(m_config.filePath(QStringLiteral("Tomelor.ini")));
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write("[Settings]\nFirst Time=0\n");
    }

    void aWholeOldTestamentGameIsPlayedWithKeysAlone()
    {
        GameApplication game([](QWidget *, const QString &message) { QFAIL(qPrintable(message)); }, NoHold);
        TfrmMain &form = *game.frmMain;
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));

        for (int tab = 0; tab < 4 && QApplication::focusWidget() != form.chkGO; ++tab)
            press(form, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), form.chkGO);
        press(form, Qt::Key_Return);
        QVERIFY(form.gameRunning());
        // Into the pile: its first book, at the bottom left.
        press(form, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), form.pileInOrder().first());
        QTest::keyClicks(focused(form), QStringLiteral("gen"));
        QCOMPARE(QApplication::focusWidget(), form.OTBookList.first());

        // The high-score dialogs, answered from the keyboard as well once they have it.
        QString tableScore;
        QTimer answer;
        connect(&answer, &QTimer::timeout, this, [&] {
            QWidget *widget = QApplication::focusWidget();
            if (widget && widget->window() == game.frmCongrats) {
                QTest::keyClicks(widget, QStringLiteral("kbd"));
                QTest::keyClick(widget, Qt::Key_Return);
            } else if (widget && widget->window() == game.frmScores) {
                tableScore = game.frmScores->OTScoreDisplays[0]->Value();
                QTest::keyClick(widget, Qt::Key_Return);
            }
        });
        answer.start(20);

        // A book leaving the pile hands the keyboard straight to the next one, never by way of a switch.
        QStringList strayed;
        connect(qApp, &QApplication::focusChanged, &form, [&](QWidget *, QWidget *now) {
            if (qobject_cast<TMGCheckbox *>(now) && form.round().running())
                strayed.append(now->objectName());
        });
        for (int index = 0; index < OTBookCount; ++index) {
            TImage *wanted = form.OTBookList[index];
            walkTo(form, wanted);
            QCOMPARE(QApplication::focusWidget(), wanted);
            TImage *above = bookAbove(form, wanted);
            press(form, Qt::Key_Space);
            QVERIFY(wanted->isHidden());
            if (above)
                QCOMPARE(QApplication::focusWidget(), above);
        }
        QVERIFY(!form.gameRunning());
        QCOMPARE(strayed, QStringList());
        QVERIFY(Play::score(form) > 0);
        QCOMPARE(tableScore, form.lcdScore->Value());
        QCOMPARE(game.frmScores->lblOTUser[0]->text(), QStringLiteral("KBD"));
        // The pile is empty; the keyboard waits on GO! for the next game.
        QCOMPARE(form.focusWidget(), form.chkGO);
    }

    void enterAfterANameThatFitsNoBookTakesNothing_data()
    {
        QTest::addColumn<Testament>("testament");
        QTest::addColumn<QString>("typed");
        QTest::newRow("no book starts so") << Testament::Old << QStringLiteral("zzq");
        // "ma" stops on Mark; "mat" has run past it.
        QTest::newRow("the name of a shelved book") << Testament::New << QStringLiteral("mat");
    }

    void enterAfterANameThatFitsNoBookTakesNothing()
    {
        QFETCH(Testament, testament);
        QFETCH(QString, typed);
        TfrmMain form;
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        auto *ring = form.findChild<FocusRing *>();
        if (testament == Testament::New)
            Play::newTestament(form);
        Play::go(form);
        // No book times out under the keys.
        form.timValue->stop();
        // The first book shelved, so that the score has points a wrong book would cost.
        Play::clickBook(Play::wanted(form));
        form.pileInOrder().first()->setFocus(Qt::TabFocusReason);
        const int score = Play::score(form);
        const int lying = Play::visibleCount(Play::books(form));

        // Each letter to the book the last one found.
        for (const QChar letter : typed)
            QTest::keyClick(focused(form), letter.toLatin1());
        QVERIFY(!ring->isVisible());
        press(form, Qt::Key_Return);
        press(form, Qt::Key_Space);
        QCOMPARE(Play::score(form), score);
        QCOMPARE(Play::visibleCount(Play::books(form)), lying);
        // A move, even against the edge of the pile, brings the ring back onto the book that has the keyboard.
        press(form, Qt::Key_Up);
        QVERIFY(ring->isVisible());
        QCOMPARE(ring->geometry(), focused(form)->geometry().adjusted(-2, -2, 2, 2));
    }

    void theRingShowsOnlyOnceTheKeyboardIsUsed()
    {
        TfrmMain form;
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        auto *ring = form.findChild<FocusRing *>();
        QVERIFY(ring);
        Play::go(form);
        Play::clickBook(Play::wanted(form));
        Play::clickBook(Play::wrongBook(form));
        QVERIFY(!ring->isVisible());

        press(form, Qt::Key_Tab);
        QWidget *control = QApplication::focusWidget();
        QVERIFY(control);
        QVERIFY(ring->isVisible());
        QCOMPARE(ring->geometry(), control->geometry().adjusted(-2, -2, 2, 2));
        // The gilt band between its dark lines, above everything else.
        const QImage shot = form.grab().toImage();
        const QPoint band(ring->x() + FocusRing::DarkLine, ring->geometry().center().y());
        QCOMPARE(shot.pixelColor(band), QColor(232, 185, 49));
        QCOMPARE(shot.pixelColor(band - QPoint(1, 0)), QColor(36, 22, 8));
        QCOMPARE(form.children().last(), ring);
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
