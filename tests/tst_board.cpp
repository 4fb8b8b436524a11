#include "app/frmmain.h"
#include "controls/image.h"
#include "controls/lcd99.h"
#include "controls/mgcheckbox.h"
#include "game/board.h"

#include <QStatusBar>
#include <QTimer>
#include <QtTest>

class TestBoard : public QObject
{
    Q_OBJECT

private:
    TfrmMain *m_form = nullptr;

    // A real release in the zone of the switch's current state, as the player would give it.
    static void pressHalf(TMGCheckbox *toggle, QPoint at) { QTest::mouseClick(toggle, Qt::LeftButton, {}, at); }
    static constexpr QPoint NewHalf { 55, 30 };
    static constexpr QPoint OldHalf { 20, 30 };

    static int visibleCount(const QList<TImage *> &pictures)
    {
        return int(std::count_if(pictures.begin(), pictures.end(), [](TImage *p) { return p->isVisible(); }));
    }

private slots:
    void init()
    {
        m_form = new TfrmMain;
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form));
    }

    void cleanup()
    {
        delete m_form;
        m_form = nullptr;
    }

    void windowHasItsFixedSizeAndTitle()
    {
        QCOMPARE(m_form->windowTitle(), QStringLiteral("Tomelor!"));
        QCOMPARE(m_form->size(), QSize(632, 453));
        QCOMPARE(m_form->minimumSize(), QSize(632, 453));
        QCOMPARE(m_form->maximumSize(), QSize(632, 453));
        QVERIFY(!(m_form->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(m_form->windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(m_form->windowFlags() & Qt::WindowCloseButtonHint);
        m_form->resize(800, 600);
        QCOMPARE(m_form->size(), QSize(632, 453));
    }

    void controlsStandAtTheirPlaces()
    {
        QCOMPARE(m_form->Image1->geometry(), QRect(0, 5, 630, 100));
        QCOMPARE(m_form->Image2->geometry(), QRect(0, 112, 632, 300));
        QCOMPARE(m_form->lcdValue->geometry(), QRect(29, 27, 66, 21));
        QCOMPARE(m_form->lcdScore->geometry(), QRect(206, 32, 163, 45));
        QCOMPARE(m_form->chkTestament->geometry(), QRect(401, 11, 78, 42));
        QCOMPARE(m_form->chkHints->geometry(), QRect(401, 57, 78, 42));
        QCOMPARE(m_form->chkGO->geometry(), QRect(490, 13, 128, 82));
        QCOMPARE(m_form->stbHints->geometry(), QRect(0, 434, 632, 19));
        QVERIFY(m_form->Image1->Transparent());
        QVERIFY(m_form->Image2->Transparent());
        QCOMPARE(m_form->chkGO->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(m_form->chkTestament->cursor().shape(), Qt::ArrowCursor);
    }

    void everyPictureIsReachableByItsName()
    {
        for (int tag = 1; tag <= OTBookCount; ++tag) {
            QVERIFY(m_form->findChild<TImage *>(QStringLiteral("imgOTBook%1").arg(tag)));
            QVERIFY(m_form->findChild<TImage *>(QStringLiteral("imgOTShelf%1").arg(tag)));
        }
        for (int tag = 1; tag <= NTBookCount; ++tag) {
            QVERIFY(m_form->findChild<TImage *>(QStringLiteral("imgNTBook%1").arg(tag)));
            QVERIFY(m_form->findChild<TImage *>(QStringLiteral("imgNTShelf%1").arg(tag)));
        }
        QCOMPARE(m_form->findChild<TImage *>(QStringLiteral("imgOTShelf26")), m_form->imgOTShelf[25]);
        QCOMPARE(m_form->findChild<TImage *>(QStringLiteral("imgNTShelf17")), m_form->imgNTShelf[16]);
    }

    void startsWithTheOldBookcaseFull()
    {
        QCOMPARE(m_form->lcdValue->Value(), QStringLiteral("500"));
        QCOMPARE(m_form->lcdScore->Value(), QStringLiteral("0"));
        QVERIFY(m_form->stbHints->currentMessage().isEmpty());
        QVERIFY(!m_form->chkTestament->Checked());
        QVERIFY(!m_form->chkHints->Checked());
        QVERIFY(!m_form->chkGO->Checked());
        QVERIFY(!m_form->timValue->isActive());
        QCOMPARE(m_form->timValue->interval(), 100);
        QCOMPARE(visibleCount(m_form->OTBookList) + visibleCount(m_form->NTBookList), 0);
        QCOMPARE(visibleCount(m_form->NTShelfList), 0);
        QCOMPARE(visibleCount(m_form->OTShelfList), 39);
        for (int i = 0; i < 29; ++i)
            QCOMPARE(m_form->OTShelfList[i]->geometry(), QRect(22 + 20 * i, 133, 20, 120));
        for (int i = 29; i < 39; ++i)
            QCOMPARE(m_form->OTShelfList[i]->geometry(), QRect(22 + 20 * (i - 29), 268, 20, 120));
        QCOMPARE(m_form->OTShelfList[28]->geometry().right(), 601);
    }

    void listsLineUpByTag()
    {
        QCOMPARE(m_form->OTShelfList.size(), 39);
        QCOMPARE(m_form->OTBookList.size(), 39);
        QCOMPARE(m_form->NTShelfList.size(), 27);
        QCOMPARE(m_form->NTBookList.size(), 27);
        for (int i = 0; i < 39; ++i) {
            QCOMPARE(m_form->OTBookList[i]->Tag(), i + 1);
            QCOMPARE(m_form->OTBookList[i]->objectName(), QStringLiteral("imgOTBook%1").arg(i + 1));
            QCOMPARE(m_form->OTShelfList[i]->objectName(), QStringLiteral("imgOTShelf%1").arg(i + 1));
            QCOMPARE(m_form->OTBookList[i]->cursor().shape(), Qt::PointingHandCursor);
        }
        for (int i = 0; i < 27; ++i) {
            QCOMPARE(m_form->NTBookList[i]->Tag(), i + 1);
            QCOMPARE(m_form->NTShelfList[i]->objectName(), QStringLiteral("imgNTShelf%1").arg(i + 1));
            QCOMPARE(m_form->NTShelfList[i]->geometry(), QRect(22 + 20 * i, 133, 20, 120));
        }
    }

    void showingAgainDoesNotGrowTheLists()
    {
        m_form->hide();
        m_form->show();
        QCOMPARE(m_form->OTBookList.size(), 39);
        QCOMPARE(m_form->NTShelfList.size(), 27);
    }

    void testamentSwitchSwapsTheBookcase()
    {
        pressHalf(m_form->chkTestament, NewHalf);
        QVERIFY(m_form->chkTestament->Checked());
        QCOMPARE(m_form->chosenTestament(), Testament::New);
        QCOMPARE(visibleCount(m_form->NTShelfList), 27);
        QCOMPARE(visibleCount(m_form->OTShelfList), 0);
        QCOMPARE(m_form->NTShelfList[26]->x(), 542);
        pressHalf(m_form->chkTestament, OldHalf);
        QVERIFY(!m_form->chkTestament->Checked());
        QCOMPARE(visibleCount(m_form->OTShelfList), 39);
        QCOMPARE(visibleCount(m_form->NTShelfList), 0);
    }

    void lockedTestamentSwitchLeavesTheBoard()
    {
        m_form->chkTestament->setToggleEnabled(false);
        pressHalf(m_form->chkTestament, NewHalf);
        QVERIFY(!m_form->chkTestament->Checked());
        QCOMPARE(visibleCount(m_form->OTShelfList), 39);
    }

    void booksInPlaceEmptiesThePile()
    {
        for (TImage *book : m_form->OTBookList)
            book->show();
        m_form->NTBookList[3]->show();
        m_form->BooksInPlace();
        QCOMPARE(visibleCount(m_form->OTBookList) + visibleCount(m_form->NTBookList), 0);
        QCOMPARE(visibleCount(m_form->OTShelfList), 39);
    }

    void booksLieAboveTheShelves()
    {
        // Creation order is painting order: a lying book covers a spine of the lower shelf.
        const QObjectList &children = m_form->children();
        QVERIFY(children.indexOf(m_form->Image2) < children.indexOf(m_form->OTShelfList.first()));
        QVERIFY(children.indexOf(m_form->NTShelfList.last()) < children.indexOf(m_form->OTBookList.first()));
        m_form->OTBookList[0]->move(Board::pileLeft(0, 0), Board::pileTop(7));
        m_form->OTBookList[0]->show();
        QCOMPARE(m_form->childAt(30, 280), m_form->OTBookList[0]);
    }

    void catalogueNamesTheBooks()
    {
        QCOMPARE(bookName(Testament::Old, 1), std::string_view("Genesis"));
        QCOMPARE(bookName(Testament::Old, 39), std::string_view("Malachi"));
        QCOMPARE(bookName(Testament::New, 25), std::string_view("III John"));
        QVERIFY(bookName(Testament::New, 28).empty());
        QVERIFY(bookName(Testament::Old, 0).empty());
    }
};

QTEST_MAIN(TestBoard)
#include "tst_board.moc"
