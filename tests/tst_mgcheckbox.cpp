#include "controls/mgcheckbox.h"
#include "paintcounter.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

QImage filled(int width, int height, const QColor &color)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

} // namespace

class TestMGCheckbox : public QObject
{
    Q_OBJECT

private:
    QWidget *m_parent = nullptr;
    TMGCheckbox *m_toggle = nullptr;

    // A switch laid out like the testament switch of the main window.
    void makeTestamentSwitch()
    {
        m_toggle->setBitmapUnchecked(filled(78, 42, Qt::red));
        m_toggle->setBitmapChecked(filled(78, 42, Qt::blue));
        m_toggle->setMinXUnChecked(37);
        m_toggle->setMinYUnChecked(20);
        m_toggle->setMaxXUnChecked(78);
        m_toggle->setMaxYUnChecked(40);
        m_toggle->setMinXChecked(5);
        m_toggle->setMinYChecked(20);
        m_toggle->setMaxXChecked(37);
        m_toggle->setMaxYChecked(40);
    }

    void click(Qt::MouseButton button, QPoint at)
    {
        send(QEvent::MouseButtonPress, button, at);
        send(QEvent::MouseButtonRelease, button, at);
    }

    // QTest takes (0, 0) for "the centre" and sends no releases in a double click, so events go in by hand.
    void send(QEvent::Type type, Qt::MouseButton button, QPoint at)
    {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
        QMouseEvent event(type, at, m_toggle->mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(m_toggle, &event);
    }

    // The pointer moves over the switch. Moving the real pointer, as QTest does, is refused on Wayland.
    void hover(QPoint at) { send(QEvent::MouseMove, Qt::NoButton, at); }

private slots:
    void init()
    {
        m_parent = new QWidget;
        m_parent->resize(300, 200);
        m_toggle = new TMGCheckbox(m_parent);
        m_toggle->move(100, 50);
        m_parent->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_parent));
    }

    void cleanup()
    {
        delete m_parent;
        m_parent = nullptr;
    }

    void startsUncheckedEnabledAtFiftyByFifty()
    {
        QVERIFY(!m_toggle->Checked());
        QVERIFY(m_toggle->ToggleEnabled());
        QCOMPARE(m_toggle->geometry(), QRect(100, 50, 50, 50));
    }

    void neverSetZoneAcceptsOnlyTheOrigin()
    {
        QSignalSpy clicks(m_toggle, &TMGCheckbox::clicked);
        click(Qt::LeftButton, QPoint(1, 0));
        click(Qt::LeftButton, QPoint(0, 1));
        QCOMPARE(clicks.count(), 0);
        click(Qt::LeftButton, QPoint(0, 0));
        QCOMPARE(clicks.count(), 1);
        QVERIFY(m_toggle->Checked());
    }

    void sizeFollowsTheUncheckedPicture()
    {
        m_toggle->setBitmapChecked(filled(200, 10, Qt::blue));
        QCOMPARE(m_toggle->size(), QSize(50, 50));
        m_toggle->resize(80, 90);
        QCOMPARE(m_toggle->size(), QSize(80, 90));
        m_toggle->setBitmapUnchecked(filled(78, 42, Qt::red));
        QCOMPARE(m_toggle->size(), QSize(78, 42));
        m_toggle->setGeometry(10, 20, 300, 300);
        QCOMPARE(m_toggle->geometry(), QRect(10, 20, 78, 42));
    }

    void zoneBoundsAreInclusive_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<bool>("flips");
        QTest::newRow("left edge") << QPoint(37, 30) << true;
        QTest::newRow("top edge") << QPoint(50, 20) << true;
        QTest::newRow("bottom right corner") << QPoint(77, 40) << true;
        QTest::newRow("left of zone") << QPoint(36, 30) << false;
        QTest::newRow("above zone") << QPoint(50, 19) << false;
        QTest::newRow("below zone") << QPoint(50, 41) << false;
    }

    void zoneBoundsAreInclusive()
    {
        QFETCH(QPoint, at);
        QFETCH(bool, flips);
        makeTestamentSwitch();
        QSignalSpy clicks(m_toggle, &TMGCheckbox::clicked);
        click(Qt::LeftButton, at);
        QCOMPARE(m_toggle->Checked(), flips);
        QCOMPARE(clicks.count(), flips ? 1 : 0);
    }

    void sharedLineFlipsInBothStates()
    {
        makeTestamentSwitch();
        click(Qt::LeftButton, QPoint(37, 30));
        QVERIFY(m_toggle->Checked());
        click(Qt::LeftButton, QPoint(37, 30));
        QVERIFY(!m_toggle->Checked());
    }

    void releaseInTheOtherStatesZoneDoesNothing()
    {
        makeTestamentSwitch();
        m_toggle->setChecked(true);
        QSignalSpy clicks(m_toggle, &TMGCheckbox::clicked);
        click(Qt::LeftButton, QPoint(60, 30));
        QVERIFY(m_toggle->Checked());
        QCOMPARE(clicks.count(), 0);
    }

    void everyButtonFlipsOnRelease_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::newRow("left") << Qt::LeftButton;
        QTest::newRow("right") << Qt::RightButton;
        QTest::newRow("middle") << Qt::MiddleButton;
    }

    void everyButtonFlipsOnRelease()
    {
        QFETCH(Qt::MouseButton, button);
        makeTestamentSwitch();
        QSignalSpy clicks(m_toggle, &TMGCheckbox::clicked);
        QTest::mousePress(m_toggle, button, Qt::NoModifier, QPoint(60, 30));
        QVERIFY(!m_toggle->Checked());
        QTest::mouseRelease(m_toggle, button, Qt::NoModifier, QPoint(60, 30));
        QVERIFY(m_toggle->Checked());
        QCOMPARE(clicks.count(), 1);
    }

    void onlyTheReleasePositionCounts()
    {
        makeTestamentSwitch();
        QTest::mousePress(m_toggle, Qt::LeftButton, Qt::NoModifier, QPoint(10, 5));
        QTest::mouseRelease(m_toggle, Qt::LeftButton, Qt::NoModifier, QPoint(60, 30));
        QVERIFY(m_toggle->Checked());
        QTest::mousePress(m_toggle, Qt::LeftButton, Qt::NoModifier, QPoint(20, 30));
        QTest::mouseRelease(m_toggle, Qt::LeftButton, Qt::NoModifier, QPoint(20, 10));
        QVERIFY(m_toggle->Checked());
    }

    // Qt sends a release to the widget its press went down on; only a left press holds the pointer that way.
    void aRightPressElsewhereReleasedOverTheZoneFlips()
    {
        makeTestamentSwitch();
        auto *beside = new QWidget(m_parent);
        beside->setGeometry(0, 0, 100, 50);
        beside->show();
        QSignalSpy clicks(m_toggle, &TMGCheckbox::clicked);
        const auto overSwitch = [&](QPoint at) { return beside->mapFromGlobal(m_toggle->mapToGlobal(at)); };
        const QPoint overZone = overSwitch(QPoint(60, 30));
        QTest::mousePress(beside, Qt::RightButton, Qt::NoModifier, QPoint(10, 10));
        QTest::mouseRelease(beside, Qt::RightButton, Qt::NoModifier, overZone);
        QVERIFY(m_toggle->Checked());
        QCOMPARE(clicks.count(), 1);

        QTest::mousePress(beside, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        QTest::mouseRelease(beside, Qt::LeftButton, Qt::NoModifier, overSwitch(QPoint(20, 30)));
        QVERIFY(m_toggle->Checked());
        QCOMPARE(clicks.count(), 1);
    }

    void heldLeftButtonCountsOneBeyondTheRightEdge()
    {
        makeTestamentSwitch();
        QTest::mousePress(m_toggle, Qt::LeftButton, Qt::NoModifier, QPoint(60, 30));
        QTest::mouseRelease(m_toggle, Qt::LeftButton, Qt::NoModifier, QPoint(78, 30));
        QVERIFY(m_toggle->Checked());
    }

    void clickSeesTheFlippedState()
    {
        makeTestamentSwitch();
        bool seen = false;
        connect(m_toggle, &TMGCheckbox::clicked, this, [&] { seen = m_toggle->Checked(); });
        click(Qt::LeftButton, QPoint(60, 30));
        QVERIFY(seen);
    }

    void disabledSwitchRefusesButStillReports()
    {
        makeTestamentSwitch();
        m_toggle->setToggleEnabled(false);
        QSignalSpy clicks(m_toggle, &TMGCheckbox::clicked);
        QSignalSpy downs(m_toggle, &TMGCheckbox::mouseDown);
        QSignalSpy ups(m_toggle, &TMGCheckbox::mouseUp);
        QSignalSpy moves(m_toggle, &TMGCheckbox::mouseMove);
        hover(QPoint(60, 30));
        QCOMPARE(m_toggle->cursor().shape(), Qt::PointingHandCursor);
        click(Qt::LeftButton, QPoint(60, 30));
        QVERIFY(!m_toggle->Checked());
        QCOMPARE(clicks.count(), 0);
        QCOMPARE(downs.count(), 1);
        QCOMPARE(ups.count(), 1);
        QVERIFY(moves.count() >= 1);
        hover(QPoint(10, 5));
        QCOMPARE(m_toggle->cursor().shape(), Qt::ArrowCursor);
    }

    void pointerShapeChangesOnlyOnMovement()
    {
        makeTestamentSwitch();
        hover(QPoint(60, 30));
        QCOMPARE(m_toggle->cursor().shape(), Qt::PointingHandCursor);
        click(Qt::LeftButton, QPoint(60, 30));
        QVERIFY(m_toggle->Checked());
        QCOMPARE(m_toggle->cursor().shape(), Qt::PointingHandCursor);
        hover(QPoint(61, 30));
        QCOMPARE(m_toggle->cursor().shape(), Qt::ArrowCursor);
    }

    void writingCheckedNeverClicks()
    {
        makeTestamentSwitch();
        QCoreApplication::processEvents();
        PaintCounter counter(m_toggle);
        QSignalSpy clicks(m_toggle, &TMGCheckbox::clicked);
        m_toggle->setChecked(false);
        QCoreApplication::processEvents();
        QCOMPARE(counter.paints, 0);
        m_toggle->setChecked(true);
        QCOMPARE(counter.paints, 0); // scheduled, not at once
        QTRY_COMPARE(counter.paints, 1);
        QCOMPARE(clicks.count(), 0);
    }

    void uncheckRedrawsAtOnceWithoutClick()
    {
        makeTestamentSwitch();
        QCoreApplication::processEvents();
        PaintCounter counter(m_toggle);
        QSignalSpy clicks(m_toggle, &TMGCheckbox::clicked);
        m_toggle->Uncheck();
        QCOMPARE(counter.paints, 1);
        m_toggle->setChecked(true);
        m_toggle->Uncheck();
        QVERIFY(!m_toggle->Checked());
        QCOMPARE(clicks.count(), 0);
    }

    void showsThePictureOfItsState()
    {
        makeTestamentSwitch();
        QCOMPARE(m_toggle->grab().toImage().pixelColor(10, 10), QColor(Qt::red));
        click(Qt::LeftButton, QPoint(60, 30));
        QCOMPARE(m_toggle->grab().toImage().pixelColor(10, 10), QColor(Qt::blue));
    }

    void quickDoubleClickFlipsOnlyOnTheSharedLine()
    {
        makeTestamentSwitch();
        const auto doubleClick = [this](QPoint at) {
            send(QEvent::MouseButtonPress, Qt::LeftButton, at);
            send(QEvent::MouseButtonRelease, Qt::LeftButton, at);
            send(QEvent::MouseButtonDblClick, Qt::LeftButton, at);
            send(QEvent::MouseButtonRelease, Qt::LeftButton, at);
        };
        QSignalSpy clicks(m_toggle, &TMGCheckbox::clicked);
        doubleClick(QPoint(60, 30));
        QVERIFY(m_toggle->Checked());
        QCOMPARE(clicks.count(), 1);
        m_toggle->setChecked(false);
        doubleClick(QPoint(37, 30));
        QVERIFY(!m_toggle->Checked());
        QCOMPARE(clicks.count(), 3);
    }
};

QTEST_MAIN(TestMGCheckbox)
#include "tst_mgcheckbox.moc"
