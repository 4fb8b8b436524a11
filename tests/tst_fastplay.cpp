#include "app/frmmain.h"
#include "controls/image.h"
#include "controls/lcd99.h"
#include "controls/mgcheckbox.h"
#include "game/typeahead.h"
#include "gamedriver.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QtTest>

namespace {

// A click or a key every 120 ms, the pace of a player who knows the books.
constexpr int Pace = 120;

// A mouse that clicks through the window as the platform delivers its events, stamped with the real time, so that
// Qt itself tells a double click from two clicks by time and place, as it does for a player's mouse.
class Mouse : public QObject
{
public:
    explicit Mouse(QWindow *window)
        : m_window(window)
    {
        m_clock.start();
        qApp->installEventFilter(this);
    }

    void press(QPoint at) { send(at, Qt::LeftButton, QEvent::MouseButtonPress); }
    void release(QPoint at) { send(at, Qt::NoButton, QEvent::MouseButtonRelease); }

    // The presses that reached a picture as the second of a double click.
    int doubleClicks = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonDblClick && qobject_cast<TImage *>(watched))
            ++doubleClicks;
        return false;
    }

private:
    void send(QPoint at, Qt::MouseButtons held, QEvent::Type type)
    {
        qt_handleMouseEvent(m_window, at, m_window->mapToGlobal(at), held, Qt::LeftButton, type, Qt::NoModifier,
            int(m_clock.elapsed()));
        qApp->processEvents();
    }

    QWindow *m_window;
    QElapsedTimer m_clock;
};

QPoint centreOf(const TfrmMain &form, const QWidget *control)
{
    return control->mapTo(&form, control->rect().center());
}

QWidget *focused(QWidget &window)
{
    QWidget *widget = QApplication::focusWidget();
    return widget ? widget : &window;
}

// The shortest start of the book's name that no other lying book's name begins with.
QString startOfName(Testament testament, int index, const QList<TImage *> &books)
{
    const QString name = TypeAhead::typingKey(QString::fromUtf8(bookName(testament, index + 1)));
    for (int length = 1;; ++length) {
        const QString typed = name.left(length);
        const bool unique = std::none_of(books.begin(), books.end(), [&](TImage *book) {
            const int other = int(books.indexOf(book));
            return other != index && book->isVisible() && TypeAhead::fits(testament, other, typed);
        });
        if (unique || length >= name.size())
            return typed;
    }
}

} // namespace

// Whole games at a practised player's pace, through the real window and its real countdown: every right click and
// every right key scores what the value display showed, however soon it follows the last one.
class TestFastPlay : public QObject
{
    Q_OBJECT

    RecordingCuePlayer m_cues;

    std::unique_ptr<TfrmMain> showForm(std::uint32_t seed)
    {
        auto form = std::make_unique<TfrmMain>();
        form->setCuePlayer(&m_cues);
        form->setSeedSource([seed] { return seed; });
        form->show();
        form->activateWindow();
        if (!QTest::qWaitForWindowActive(form.get()))
            return nullptr;
        m_cues.cues.clear();
        return form;
    }

private slots:
    // The wanted book is clicked where it lies, 120 ms after the last click: often the book that has just dropped
    // into the cell clicked last, which Qt reports as a double click. Every seventh book is double-clicked on
    // purpose; the second press lands on whatever dropped in and costs nothing.
    void aWholeOldTestamentGameByMouse()
    {
        const std::unique_ptr<TfrmMain> form = showForm(16);
        QVERIFY(form);
        Mouse mouse(form->windowHandle());
        const QPoint go = centreOf(*form, form->chkGO) - QPoint(0, 20);
        mouse.press(go);
        mouse.release(go);
        QVERIFY(form->gameRunning());

        int rightClicks = 0;
        int quickOnTheDropped = 0;
        while (form->gameRunning()) {
            QTest::qWait(Pace);
            const int wanted = form->WantedIndex();
            const QPoint at = centreOf(*form, form->OTBookList[wanted]);
            const int doubleClicksBefore = mouse.doubleClicks;
            mouse.press(at);
            // The release judges the click: the countdown may have stepped while the button was down.
            const int expected = Play::score(*form) + Play::value(*form);
            mouse.release(at);
            ++rightClicks;
            quickOnTheDropped += mouse.doubleClicks - doubleClicksBefore;
            QVERIFY2(form->OTBookList[wanted]->isHidden(), qPrintable(QStringLiteral("book %1").arg(wanted + 1)));
            QCOMPARE(Play::score(*form), expected);
            if (wanted % 7 != 3 || !form->gameRunning())
                continue;
            const bool lands = form->OTBookList.value(form->WantedIndex())
                                   ->geometry()
                                   .contains(form->pnlPile->mapFrom(form.get(), at));
            mouse.press(at);
            const int after = Play::score(*form) + (lands ? Play::value(*form) : 0);
            mouse.release(at);
            rightClicks += lands;
            QCOMPARE(Play::score(*form), after);
        }
        QCOMPARE(rightClicks, OTBookCount);
        QCOMPARE(std::count(m_cues.cues.begin(), m_cues.cues.end(), Cue::CueCorrect), OTBookCount);
        QCOMPARE(std::count(m_cues.cues.begin(), m_cues.cues.end(), Cue::CueWrong), 0);
        // The game above must have had quick clicks that Qt took for double clicks, or it proved nothing.
        QVERIFY(quickOnTheDropped > 0);
    }

    // Tab to GO!, Enter, Tab into the pile; then for each book the start of its name and Enter, a key every 120 ms
    // with no pause between one name and the next.
    void aWholeNewTestamentGameByKeys()
    {
        const std::unique_ptr<TfrmMain> form = showForm(5);
        QVERIFY(form);
        QTest::mouseClick(form->chkTestament, Qt::LeftButton, {}, QPoint(55, 30));
        for (int tab = 0; tab < 4 && QApplication::focusWidget() != form->chkGO; ++tab)
            QTest::keyClick(focused(*form), Qt::Key_Tab, {}, Pace);
        QTest::keyClick(focused(*form), Qt::Key_Return, {}, Pace);
        QVERIFY(form->gameRunning());
        QTest::keyClick(focused(*form), Qt::Key_Tab, {}, Pace);

        while (form->gameRunning()) {
            const int wanted = form->WantedIndex();
            for (const QChar letter : startOfName(Testament::New, wanted, form->NTBookList))
                QTest::keyClick(focused(*form), letter.toLatin1(), {}, Pace);
            QCOMPARE(QApplication::focusWidget(), form->NTBookList[wanted]);
            QTest::qWait(Pace);
            const int expected = Play::score(*form) + Play::value(*form);
            QTest::keyClick(focused(*form), Qt::Key_Return);
            QVERIFY(form->NTBookList[wanted]->isHidden());
            QCOMPARE(Play::score(*form), expected);
        }
        QCOMPARE(std::count(m_cues.cues.begin(), m_cues.cues.end(), Cue::CueCorrect), NTBookCount);
        QCOMPARE(std::count(m_cues.cues.begin(), m_cues.cues.end(), Cue::CueWrong), 0);
    }
};

QTEST_MAIN(TestFastPlay)
#include "tst_fastplay.moc"
