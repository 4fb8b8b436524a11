#include "controls/doubleclickjudge.h"
#include "controls/image.h"
#include "transparency.h"

#include <QSignalSpy>
#include <QtTest>

class TestImage : public QObject
{
    Q_OBJECT

private slots:
    // A press soon after and close to the one before is the second of a double click, on whichever picture it
    // lands; one that Qt paired itself always is.
    void theSecondPressOfADoubleClickIsToldApart_data()
    {
        QTest::addColumn<quint64>("gapMs");
        QTest::addColumn<qreal>("moved");
        QTest::addColumn<bool>("pairedByQt");
        QTest::addColumn<bool>("second");
        QTest::newRow("soon and close") << quint64(399) << qreal(5) << false << true;
        QTest::newRow("too late") << quint64(400) << qreal(0) << false << false;
        QTest::newRow("too far") << quint64(10) << qreal(6) << false << false;
        QTest::newRow("paired by Qt") << quint64(900) << qreal(50) << true << true;
    }

    void theSecondPressOfADoubleClickIsToldApart()
    {
        QFETCH(quint64, gapMs);
        QFETCH(qreal, moved);
        QFETCH(bool, pairedByQt);
        QFETCH(bool, second);
        DoubleClickJudge judge([] { return DoubleClickJudge::Limits {400, 5}; });
        QVERIFY(!judge.secondPress(1000, QPointF(100, 100), false));
        QCOMPARE(judge.secondPress(1000 + gapMs, QPointF(100 + moved, 100), pairedByQt), second);
    }

    void transparentPictureLeavesOutItsKeyColourEverywhere()
    {
        QWidget parent;
        parent.resize(40, 40);
        paintBackdrop(parent, Qt::green);

        // The key is the lower-left pixel; the frame cuts that row off, as the bookcase's frame does.
        QImage picture(20, 11, QImage::Format_RGB32);
        picture.fill(Qt::red);
        picture.setPixelColor(0, 10, Qt::white);
        picture.setPixelColor(5, 5, Qt::white);
        auto *image = transparentPicture(parent, QRect(0, 0, 20, 10), picture);
        QCOMPARE(TImage::keyColor(picture), QColor(Qt::white));

        const QImage shown = parent.grab().toImage();
        QCOMPARE(shown.pixelColor(5, 5), QColor(Qt::green));
        QCOMPARE(shown.pixelColor(6, 5), QColor(Qt::red));
        QCOMPARE(shown.pixelColor(0, 9), QColor(Qt::red));

        image->setTransparent(false);
        QCOMPARE(parent.grab().toImage().pixelColor(5, 5), QColor(Qt::white));
    }

    void palettedPictureLeavesOutEveryEntryOfTheKeyColour()
    {
        QWidget parent;
        parent.resize(40, 40);
        paintBackdrop(parent, Qt::green);

        // 8 bits with a 256-entry palette, as the bookcase has; white appears under two entries, and the key's
        // pixel lies in the bottom row, which the frame cuts off.
        QImage picture(20, 11, QImage::Format_Indexed8);
        QList<QRgb> table(256, qRgb(0, 0, 0));
        table[0] = qRgb(255, 255, 255);
        table[1] = qRgb(120, 70, 30);
        table[2] = qRgb(254, 255, 255);
        table[200] = qRgb(255, 255, 255);
        picture.setColorTable(table);
        picture.fill(1);
        picture.setPixel(0, 10, 0);
        picture.setPixel(5, 5, 200);
        picture.setPixel(6, 5, 2);
        transparentPicture(parent, QRect(0, 0, 20, 10), picture);
        QCOMPARE(TImage::keyColor(picture), QColor(Qt::white));

        const QImage shown = parent.grab().toImage();
        QCOMPARE(shown.pixelColor(5, 5), QColor(Qt::green));
        QCOMPARE(shown.pixelColor(6, 5), QColor(254, 255, 255));
        QCOMPARE(shown.pixelColor(0, 9), QColor(120, 70, 30));
    }

    void pictureIsDrawnUnscaledFromTheTopLeft()
    {
        QWidget parent;
        parent.resize(40, 40);
        QImage picture(10, 10, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        auto *image = new TImage(&parent);
        image->setGeometry(0, 0, 30, 30);
        image->setPicture(picture);
        const QImage shown = parent.grab().toImage();
        QCOMPARE(shown.pixelColor(9, 9), QColor(Qt::blue));
        QVERIFY(shown.pixelColor(10, 10) != QColor(Qt::blue));
    }

    // The picture drawn at twice the size serves screens of a higher pixel ratio, read only when one asks for it;
    // at ratio 1 everything is as it was.
    void theLargerPictureIsReadOnlyForHigherRatios()
    {
        QWidget parent;
        parent.resize(20, 10);
        paintBackdrop(parent, Qt::green);
        QImage picture(20, 10, QImage::Format_RGB32);
        picture.fill(Qt::red);
        picture.setPixelColor(0, 9, Qt::white);
        // The larger picture's hole: the two lowest rows of its left half.
        QImage larger(40, 20, QImage::Format_RGB32);
        larger.fill(Qt::blue);
        for (int x = 0; x < 20; ++x) {
            for (int y = 16; y < 20; ++y)
                larger.setPixelColor(x, y, Qt::white);
        }
        int reads = 0;
        auto *image = new TImage(&parent);
        image->setGeometry(0, 0, 20, 10);
        image->setPicture(picture, [&] { ++reads; return larger; });
        image->setTransparent(true);

        const QImage ordinary = parent.grab().toImage();
        QCOMPARE(ordinary.pixelColor(0, 9), QColor(Qt::green));
        QCOMPARE(ordinary.pixelColor(1, 9), QColor(Qt::red));
        QCOMPARE(reads, 0);

        for (const qreal ratio : { 2.0, 1.5, 1.25 }) {
            QImage shown((QSizeF(parent.size()) * ratio).toSize(), QImage::Format_RGB32);
            shown.setDevicePixelRatio(ratio);
            parent.render(&shown);
            QCOMPARE(shown.pixelColor(shown.width() - 1, 0), QColor(Qt::blue));
            QCOMPARE(shown.pixelColor(0, shown.height() - 1), QColor(Qt::green));
            // Drawn down smoothly, the hole blends into the window, never into the key colour.
            for (int y = 0; y < shown.height(); ++y) {
                for (int x = 0; x < shown.width(); ++x)
                    QVERIFY(shown.pixelColor(x, y) != QColor(Qt::white));
            }
        }
        QCOMPARE(reads, 1);
    }

    void pictureFromASourceIsMadeOnceWhenFirstSeenOrAskedFor()
    {
        QWidget parent;
        parent.resize(40, 40);
        paintBackdrop(parent, Qt::green);
        int made = 0;
        const auto source = [&made] {
            ++made;
            QImage picture(10, 10, QImage::Format_RGB32);
            picture.fill(Qt::red);
            picture.setPixelColor(0, 9, Qt::white);
            picture.setPixelColor(5, 5, Qt::white);
            return picture;
        };

        auto *hidden = new TImage(&parent);
        hidden->setGeometry(0, 0, 10, 10);
        hidden->setPictureSource(source);
        hidden->setTransparent(true);
        hidden->hide();
        parent.grab();
        QCOMPARE(made, 0);
        QCOMPARE(hidden->Picture().size(), QSize(10, 10));
        QCOMPARE(made, 1);

        // Made at its first paint, and keyed as a transparent picture given outright would be.
        auto *shown = new TImage(&parent);
        shown->setGeometry(20, 20, 10, 10);
        shown->setPictureSource(source);
        shown->setTransparent(true);
        const QImage painted = parent.grab().toImage();
        QCOMPARE(made, 2);
        QCOMPARE(painted.pixelColor(25, 25), QColor(Qt::green));
        QCOMPARE(painted.pixelColor(26, 25), QColor(Qt::red));
        parent.grab();
        QCOMPARE(made, 2);

        // Once painted, a transparent picture keeps only its keyed copy; asked for, or drawn opaque again, it is
        // made again from its source, with the key colour where it was.
        QCOMPARE(shown->Picture().pixelColor(5, 5), QColor(Qt::white));
        QCOMPARE(made, 3);
        shown->setTransparent(false);
        QCOMPARE(parent.grab().toImage().pixelColor(25, 25), QColor(Qt::white));
        shown->setTransparent(true);
        QCOMPARE(parent.grab().toImage().pixelColor(25, 25), QColor(Qt::green));

        // Released, it is made again at the next paint, the same as before.
        const int madeBeforeRelease = made;
        shown->releasePicture();
        QCOMPARE(made, madeBeforeRelease);
        const QImage repainted = parent.grab().toImage();
        QCOMPARE(made, madeBeforeRelease + 1);
        QCOMPARE(repainted.pixelColor(25, 25), QColor(Qt::green));
        QCOMPARE(repainted.pixelColor(26, 25), QColor(Qt::red));

        // A picture given outright replaces a source not yet used.
        shown->setPictureSource(source);
        QImage blue(10, 10, QImage::Format_RGB32);
        blue.fill(Qt::blue);
        shown->setPicture(blue);
        shown->setTransparent(false);
        QCOMPARE(parent.grab().toImage().pixelColor(25, 25), QColor(Qt::blue));
        // and is kept when released: there is nothing to make it again from.
        shown->releasePicture();
        QCOMPARE(parent.grab().toImage().pixelColor(25, 25), QColor(Qt::blue));
        QCOMPARE(made, 4);
    }

    void leftClickReportsTheSender()
    {
        TImage image;
        image.resize(120, 20);
        image.setTag(7);
        QSignalSpy clicks(&image, &TImage::clicked);
        QTest::mouseClick(&image, Qt::RightButton, {}, QPoint(5, 5));
        QCOMPARE(clicks.count(), 0);
        QTest::mouseClick(&image, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(clicks.first().first().value<TImage *>()->Tag(), 7);
    }
};

QTEST_MAIN(TestImage)
#include "tst_image.moc"
