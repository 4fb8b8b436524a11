#include "platform/windowfit.h"

#include <QtTest>

// How a window of fixed size fits a screen's room: whole while it fits, else scrolling within the room.
class TestWindowFit : public QObject
{
    Q_OBJECT

private slots:
    void aWindowTooLargeScrollsWithinTheRoom_data()
    {
        QTest::addColumn<QSize>("content");
        QTest::addColumn<QSize>("room");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("scrolls");
        QTest::newRow("fits with room to spare") << QSize(664, 649) << QSize(1272, 988) << QSize(664, 649) << false;
        QTest::newRow("fits exactly") << QSize(664, 649) << QSize(664, 649) << QSize(664, 649) << false;
        // The Progress window at 200 % on a 1920 x 1080 screen: 960 x 540 less a title bar and borders.
        QTest::newRow("too tall: a bar beside it") << QSize(664, 649) << QSize(952, 504) << QSize(680, 504) << true;
        QTest::newRow("too tall, and the bar makes it too wide")
            << QSize(664, 649) << QSize(670, 504) << QSize(670, 504) << true;
        QTest::newRow("too wide: a bar beneath it") << QSize(664, 300) << QSize(600, 504) << QSize(600, 316) << true;
        QTest::newRow("too wide, and the bar makes it too tall")
            << QSize(664, 300) << QSize(600, 310) << QSize(600, 310) << true;
        QTest::newRow("too wide and too tall") << QSize(664, 649) << QSize(400, 300) << QSize(400, 300) << true;
        QTest::newRow("a screen too small for anything")
            << QSize(664, 649) << QSize(50, -20) << WindowFit::Smallest << true;
    }

    void aWindowTooLargeScrollsWithinTheRoom()
    {
        QFETCH(QSize, content);
        QFETCH(QSize, room);
        QFETCH(QSize, size);
        QFETCH(bool, scrolls);
        // Scroll bars 16 pixels wide.
        const WindowFit::Fit fit = WindowFit::fit(content, room, 16);
        QCOMPARE(fit.size, size);
        QCOMPARE(fit.scrolls, scrolls);
    }
};

QTEST_GUILESS_MAIN(TestWindowFit)
#include "tst_windowfit.moc"
