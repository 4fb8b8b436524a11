#include "app/splash.h"
#include "app/splashoutline.h"
#include "controls/image.h"

#include <QBackingStore>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <QtTest>

#include <algorithm>

namespace {

// Counts the paint events a widget receives.
class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};

// What the window system receives of a shown window: the surface handed to the Wayland compositor, or, on a
// platform whose surfaces carry no alpha channel (offscreen), what the window paints on a transparent ground.
QImage shownSurface(QWidget &window)
{
    QPaintDevice *surface = window.backingStore()->paintDevice();
    if (surface && surface->devType() == QInternal::Image) {
        const auto *image = static_cast<QImage *>(surface);
        if (image->hasAlphaChannel())
            return image->convertToFormat(QImage::Format_ARGB32);
    }
    QImage painted(window.size(), QImage::Format_ARGB32_Premultiplied);
    painted.fill(Qt::transparent);
    window.render(&painted, QPoint(), QRegion(),
                  QWidget::DrawWindowBackground | QWidget::DrawChildren | QWidget::IgnoreMask);
    return painted.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class TestSplash : public QObject
{
    Q_OBJECT

private slots:
    void outlineStartsAndEndsAsDrawn()
    {
        const auto outline = SplashOutline::points();
        QCOMPARE(int(outline.size()), 395);
        const QList<QPoint> first { { 8, 198 }, { 8, 212 }, { 9, 212 }, { 9, 228 }, { 10, 228 }, { 10, 231 },
                                    { 9, 231 }, { 9, 232 }, { 8, 232 }, { 8, 241 }, { 10, 241 } };
        QCOMPARE(QList<QPoint>(outline.begin(), outline.begin() + first.size()), first);
        const QList<QPoint> last { { 9, 158 }, { 9, 199 }, { 8, 198 } };
        QCOMPARE(QList<QPoint>(outline.end() - last.size(), outline.end()), last);
    }

    void outlineTurnsBetweenVerticalAndHorizontalEdges()
    {
        const auto outline = SplashOutline::points();
        for (int i = 0; i + 2 < int(outline.size()); ++i) {
            const QPoint step = outline[i + 1] - outline[i];
            const bool vertical = i % 2 == 0;
            QVERIFY2(vertical ? step.x() == 0 && step.y() != 0 : step.y() == 0 && step.x() != 0,
                     qPrintable(QStringLiteral("edge %1").arg(i + 1)));
        }
        QCOMPARE(outline[outline.size() - 1] - outline[outline.size() - 2], QPoint(-1, -1));
    }

    void outlineReachesButNeverLeavesItsBounds()
    {
        const auto outline = SplashOutline::points();
        const auto [left, right] = std::minmax_element(outline.begin(), outline.end(),
                                                       [](QPoint a, QPoint b) { return a.x() < b.x(); });
        const auto [top, bottom] = std::minmax_element(outline.begin(), outline.end(),
                                                       [](QPoint a, QPoint b) { return a.y() < b.y(); });
        QCOMPARE(left->x(), 8);
        QCOMPARE(right->x(), 329);
        QCOMPARE(top->y(), 3);
        QCOMPARE(bottom->y(), 301);
    }

    void windowRegionFollowsTheOutline_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<bool>("inside");
        QTest::newRow("middle of the art") << QPoint(166, 150) << true;
        QTest::newRow("stack of books") << QPoint(20, 220) << true;
        QTest::newRow("upright book") << QPoint(60, 40) << true;
        QTest::newRow("sheet near the right edge") << QPoint(320, 150) << true;
        QTest::newRow("sheet near the top right") << QPoint(300, 50) << true;
        QTest::newRow("foot of the books") << QPoint(150, 290) << true;
        QTest::newRow("left strip") << QPoint(4, 150) << false;
        QTest::newRow("right strip") << QPoint(330, 150) << false;
        QTest::newRow("top strip") << QPoint(150, 1) << false;
        QTest::newRow("bottom strip") << QPoint(150, 303) << false;
        QTest::newRow("window corner top left") << QPoint(0, 0) << false;
        QTest::newRow("window corner top right") << QPoint(331, 0) << false;
        QTest::newRow("window corner bottom left") << QPoint(0, 304) << false;
        QTest::newRow("window corner bottom right") << QPoint(331, 304) << false;
        QTest::newRow("art corner beside the upright book") << QPoint(20, 20) << false;
        QTest::newRow("art corner top right") << QPoint(326, 8) << false;
        QTest::newRow("art corner below the slanted books") << QPoint(15, 290) << false;
        QTest::newRow("art corner bottom right") << QPoint(325, 298) << false;
        QTest::newRow("notch under the books") << QPoint(204, 298) << false;
    }

    void windowRegionFollowsTheOutline()
    {
        QFETCH(QPoint, at);
        QFETCH(bool, inside);
        TSplash splash;
        QCOMPARE(splash.mask().contains(at), inside);
    }

    void windowRegionLeavesTheOuterStripsOut()
    {
        TSplash splash;
        const QRegion region = splash.mask();
        QVERIFY(!region.isEmpty());
        QVERIFY(QRect(QPoint(8, 3), QPoint(329, 301)).contains(region.boundingRect()));
        for (const QRect &strip : { QRect(0, 0, 8, 305), QRect(330, 0, 2, 305), QRect(0, 0, 332, 3),
                                    QRect(0, 302, 332, 3) })
            QVERIFY(!region.intersects(strip));
    }

    void windowIsABorderlessCentredSplashOnTop()
    {
        TSplash splash;
        QCOMPARE(splash.size(), QSize(332, 305));
        QCOMPARE(splash.minimumSize(), splash.maximumSize());
        QVERIFY(splash.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(splash.windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(splash.windowType(), Qt::SplashScreen);
        // Centred within a pixel as it is shown: an odd margin cannot be split evenly.
        splash.show();
        const QPoint offCentre = splash.geometry().center() - splash.screen()->geometry().center();
        QVERIFY(qAbs(offCentre.x()) <= 1 && qAbs(offCentre.y()) <= 1);
    }

    void artStandsAboveAndLeftOfTheCornerAndIsTransparent()
    {
        TSplash splash;
        QCOMPARE(splash.Image1->geometry(), QRect(-1, -2, 332, 305));
        QVERIFY(splash.Image1->Transparent());
        QVERIFY(!splash.Image1->Picture().isNull());
    }

    void shapeHoldsThroughTransparency_data()
    {
        QTest::addColumn<bool>("opaqueArt");
        QTest::newRow("title art") << false;
        // Art that covers the whole window, so that nothing of it outside the outline can hide in its transparent
        // colour.
        QTest::newRow("art without a transparent colour") << true;
    }

    // The shape holds where no window region cuts the window (Wayland, or an X11 compositor that draws the alpha
    // channel): outside the outline the splash is fully transparent, inside it is the art on the button face.
    void shapeHoldsThroughTransparency()
    {
        QFETCH(bool, opaqueArt);
        TSplash splash;
        if (opaqueArt) {
            QImage stripes(splash.size(), QImage::Format_RGB32);
            for (int y = 0; y < stripes.height(); ++y)
                std::fill_n(reinterpret_cast<QRgb *>(stripes.scanLine(y)), stripes.width(),
                            y % 2 ? qRgb(200, 30, 30) : qRgb(30, 30, 200));
            stripes.setPixel(0, stripes.height() - 1, qRgb(0, 255, 0));
            splash.Image1->setPicture(stripes);
        }
        splash.showAndPaint();
        QVERIFY(splash.windowHandle()->requestedFormat().hasAlpha());
        const QImage shown = shownSurface(splash);
        QCOMPARE(shown.size(), splash.size());
        QVERIFY(shown.hasAlphaChannel());

        const QImage art = splash.Image1->grab().toImage().convertToFormat(QImage::Format_ARGB32);
        const QColor face = splash.palette().color(QPalette::Window);
        const QRegion outline = splash.mask();
        int inside = 0;
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                const QColor pixel = shown.pixelColor(x, y);
                const QString where = QStringLiteral("at %1, %2").arg(x).arg(y);
                if (!outline.contains(QPoint(x, y))) {
                    QVERIFY2(pixel.alpha() == 0, qPrintable(where));
                    continue;
                }
                ++inside;
                const QColor drawn = art.pixelColor(QPoint(x, y) - SplashOutline::ArtOrigin);
                QVERIFY2(pixel == (drawn.alpha() == 255 ? drawn : face), qPrintable(where));
            }
        }
        QVERIFY(inside > shown.width() * shown.height() / 2);
    }

    void showAndPaintPaintsBeforeTheEventLoopRuns()
    {
        TSplash splash;
        PaintCounter counter;
        splash.Image1->installEventFilter(&counter);
        splash.showAndPaint();
        QVERIFY(splash.isVisible());
        QVERIFY(counter.paints > 0);
    }

    void closeHoldsOneSecondThenTheSplashIsGoneOnceTheLoopRuns()
    {
        QPointer<TSplash> splash = new TSplash;
        splash->showAndPaint();

        QElapsedTimer held;
        held.start();
        splash->close();
        QVERIFY(held.elapsed() >= splash->hold().count());
        QVERIFY(splash);
        QVERIFY(splash->isVisible());

        QEventLoop loop;
        QTimer::singleShot(0, &loop, &QEventLoop::quit);
        loop.exec();
        QVERIFY(splash.isNull());
    }
};

QTEST_MAIN(TestSplash)
#include "tst_splash.moc"
