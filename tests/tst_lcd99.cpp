#include "controls/lcd99.h"
#include "paintcounter.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QtTest>

#include <climits>
#include <optional>
#include <random>

using Lcd::Coord;
using Lcd::Point;

namespace {

const QColor Background { 0, 0, 160 };
const QColor Lit { 0, 255, 0 };
const QColor Unlit { 60, 60, 60 };

struct Shape
{
    int width, height, digits, spacing, segmentSize;
    bool dotted = false;
};

constexpr Shape ScoreShape { 163, 45, 5, 5, 3 };
constexpr Shape ValueShape { 66, 21, 3, 5, 1 };
constexpr Shape TableShape { 107, 23, 5, 3, 3 };
constexpr Shape DotShape { 92, 34, 4, 5, 2, true };

void shapeDisplay(TLCD99 &lcd, const Shape &shape)
{
    lcd.resize(shape.width, shape.height);
    lcd.setDigitNum(shape.digits);
    lcd.setDigitSpacing(shape.spacing);
    lcd.setSegmentSize(shape.segmentSize);
    lcd.setDotDisplay(shape.dotted);
    lcd.setColor(Background);
    lcd.setOnColor(Lit);
    lcd.setOffColor(Unlit);
}

Lcd::Layout layoutOf(const TLCD99 &lcd)
{
    return Lcd::cellLayout({ lcd.width(), lcd.height(), lcd.DigitNum(), lcd.DigitSpacing(), lcd.SegmentSize(),
        lcd.DotSpacing(), lcd.GapX(), lcd.GapY(), lcd.DotDisplay() });
}

QImage picture(TLCD99 &lcd)
{
    QImage image(lcd.size(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    lcd.render(&image);
    return image;
}

QColor at(const QImage &image, Point point)
{
    return image.pixelColor(int(point.x), int(point.y));
}

// Whether (x, y) lies inside the polygon or on its outline, worked out on its own from the corners.
bool insideOrOn(const Lcd::Outline &outline, double x, double y)
{
    bool inside = false;
    for (std::size_t i = 0; i + 1 < outline.size(); ++i) {
        const Lcd::Point a = outline[i];
        const Lcd::Point b = outline[i + 1];
        const double cross = double(b.x - a.x) * (y - a.y) - double(b.y - a.y) * (x - a.x);
        if (cross == 0 && x >= std::min(a.x, b.x) && x <= std::max(a.x, b.x) && y >= std::min(a.y, b.y)
            && y <= std::max(a.y, b.y))
            return true;
        if ((a.y > y) != (b.y > y) && x < a.x + (y - a.y) * double(b.x - a.x) / double(b.y - a.y))
            inside = !inside;
    }
    return inside;
}

double distanceToOutline(const Lcd::Outline &outline, double x, double y)
{
    double nearest = 1e18;
    for (std::size_t i = 0; i + 1 < outline.size(); ++i) {
        const double ax = outline[i].x, ay = outline[i].y;
        const double dx = outline[i + 1].x - ax, dy = outline[i + 1].y - ay;
        const double length = dx * dx + dy * dy;
        const double t = length == 0 ? 0 : std::clamp(((x - ax) * dx + (y - ay) * dy) / length, 0.0, 1.0);
        nearest = std::min(nearest, std::hypot(x - (ax + t * dx), y - (ay + t * dy)));
    }
    return nearest;
}

// What the geometry says each pixel must be: a colour where a shape covers it for certain, nothing where the
// rasteriser may decide either way (the outline's own pixels just outside a slanted edge, the rim of an ellipse).
class Expectation
{
public:
    Expectation(int width, int height, const QColor &background)
        : m_width(width)
        , m_pixels(std::size_t(width) * height, background)
    {
    }

    void polygon(const Lcd::Outline &outline, const QColor &colour)
    {
        Coord left = outline[0].x, right = left, top = outline[0].y, bottom = top;
        for (const Lcd::Point &point : outline) {
            left = std::min(left, point.x);
            right = std::max(right, point.x);
            top = std::min(top, point.y);
            bottom = std::max(bottom, point.y);
        }
        for (Coord y = top - 1; y <= bottom + 1; ++y) {
            for (Coord x = left - 1; x <= right + 1; ++x) {
                if (insideOrOn(outline, x, y))
                    set(x, y, colour);
                else if (distanceToOutline(outline, x, y) < 1)
                    set(x, y, std::nullopt);
            }
        }
    }

    void box(const Lcd::Box &box, const QColor &colour)
    {
        for (Coord y = std::min(box.top, box.bottom); y < std::max(box.top, box.bottom); ++y)
            for (Coord x = std::min(box.left, box.right); x < std::max(box.left, box.right); ++x)
                set(x, y, colour);
    }

    // A dot two pixels across or less is its whole box; a larger one is certain only at its centre.
    void ellipse(const Lcd::Box &dot, const QColor &colour)
    {
        const Coord left = std::min(dot.left, dot.right), right = std::max(dot.left, dot.right);
        const Coord top = std::min(dot.top, dot.bottom), bottom = std::max(dot.top, dot.bottom);
        if (right - left <= 2 || bottom - top <= 2) {
            box(dot, colour);
            return;
        }
        for (Coord y = top; y < bottom; ++y)
            for (Coord x = left; x < right; ++x)
                set(x, y, std::nullopt);
        set((left + right - 1) / 2, (top + bottom - 1) / 2, colour);
    }

    // Compares every certain pixel; returns the number compared, or -1 after reporting the first difference.
    int compare(const QImage &image) const
    {
        int compared = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const std::optional<QColor> &expected = m_pixels[std::size_t(y) * m_width + x];
                if (!expected)
                    continue;
                if (image.pixelColor(x, y) != *expected) {
                    qWarning() << "pixel" << x << y << "is" << image.pixelColor(x, y) << "not" << *expected;
                    return -1;
                }
                ++compared;
            }
        }
        return compared;
    }

private:
    void set(Coord x, Coord y, std::optional<QColor> colour)
    {
        if (x >= 0 && y >= 0 && x < m_width && std::size_t(y) * m_width + x < m_pixels.size())
            m_pixels[std::size_t(y) * m_width + std::size_t(x)] = colour;
    }

    int m_width;
    std::vector<std::optional<QColor>> m_pixels;
};

// The settled picture of a display showing `value`, built from the geometry alone: background, decimal points,
// then the segments frame by frame in the downward order.
Expectation expectedPicture(const TLCD99 &lcd, const QString &value)
{
    Expectation expected(lcd.width(), lcd.height(), lcd.Color());
    const Lcd::Layout layout = layoutOf(lcd);
    const Lcd::SplitText split = Lcd::SplitValue(value);
    for (Coord j = 1; j <= layout.digitNum; ++j) {
        const QColor colour = Lcd::paddedAt(split.dots, layout.digitNum, j) == u'.' ? lcd.OnColor() : lcd.OffColor();
        if (layout.dotted)
            expected.ellipse(Lcd::decimalPoint(layout, j), colour);
        else
            expected.box(Lcd::decimalPoint(layout, j), colour);
    }
    for (int frame = 1; frame <= Lcd::FrameCount; ++frame) {
        const int segment = Lcd::segmentOfFrame(0, frame);
        for (Coord j = 1; j <= layout.digitNum; ++j) {
            const Lcd::Glyph glyph = Lcd::glyphOf(Lcd::paddedAt(split.digits, layout.digitNum, j));
            const QColor colour = Lcd::segmentLit(glyph, segment) ? lcd.OnColor() : lcd.OffColor();
            if (segment == Lcd::Colon) {
                for (const Lcd::Box &dot : Lcd::colonDots(layout, j))
                    expected.ellipse(dot, colour);
            } else if (layout.dotted) {
                const Lcd::DotRow row = Lcd::dotRow(layout, segment, j, glyph.index);
                for (Coord i = row.first; i < row.last; ++i)
                    expected.ellipse(row.dot(i), colour);
            } else {
                expected.polygon(Lcd::outline(layout, segment, j), colour);
            }
        }
    }
    return expected;
}

// A pixel that lies well inside segment k of cell j (solid style), or at the centre of its colon's upper dot.
Point insideSegment(const Lcd::Layout &layout, int segment, Coord cell)
{
    if (segment == Lcd::Colon) {
        const Lcd::Box dot = Lcd::colonDots(layout, cell)[0];
        return { (dot.left + dot.right - 1) / 2, (dot.top + dot.bottom - 1) / 2 };
    }
    const Lcd::Placement place = Lcd::placement(layout, segment, cell);
    const bool bar = segment == Lcd::Top || segment == Lcd::Middle || segment == Lcd::Bottom;
    const Coord across = place.thickness / 2;
    return bar ? Point { place.x + place.length / 2, place.y + across }
               : Point { place.x + across, place.y + place.length / 2 };
}

Point insideDecimalPoint(const Lcd::Layout &layout, Coord position)
{
    const Lcd::Box point = Lcd::decimalPoint(layout, position);
    return { std::min(point.left, point.right), std::min(point.top, point.bottom) };
}

// Lets the frame timer run until the running paint has drawn its last frame.
bool paintFinishes(const TLCD99 &lcd)
{
    QElapsedTimer clock;
    clock.start();
    while (lcd.IsPainting() && clock.elapsed() < 10000)
        QTest::qWait(1);
    return !lcd.IsPainting();
}

void settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

} // namespace

Q_DECLARE_METATYPE(Shape)

class TestLcd99 : public QObject
{
    Q_OBJECT

private slots:
    void constructionValues()
    {
        TLCD99 lcd;
        QCOMPARE(lcd.size(), QSize(92, 34));
        QCOMPARE(lcd.Animation(), TLCD99::anNone);
        QCOMPARE(lcd.AnimationDelay(), 0);
        QCOMPARE(lcd.Color(), QColor(0, 0, 0));
        QCOMPARE(lcd.DigitNum(), 4);
        QCOMPARE(lcd.DigitSpacing(), 5);
        QCOMPARE(lcd.DotDisplay(), false);
        QCOMPARE(lcd.DotSpacing(), 2);
        QCOMPARE(lcd.DoubleBuffer(), true);
        QCOMPARE(lcd.GapX(), 2);
        QCOMPARE(lcd.GapY(), 2);
        QCOMPARE(lcd.OffColor(), QColor(0, 0, 0));
        QCOMPARE(lcd.OnColor(), QColor(0, 255, 0));
        QCOMPARE(lcd.Preview(), false);
        QCOMPARE(lcd.SegmentSize(), 2);
        QCOMPARE(lcd.Value(), QString());
        QCOMPARE(lcd.IsPainting(), false);
        QCOMPARE(lcd.PaintDuration(), 0u);
        QVERIFY(lcd.testAttribute(Qt::WA_OpaquePaintEvent));
    }

    // A setter given the stored value does nothing; a new value of a drawing property asks for a paint, and the
    // animation settings never do.
    void settersRepaintOnlyOnChange_data()
    {
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<QVariant>("other");
        QTest::addColumn<bool>("repaints");

        QTest::newRow("Animation") << QByteArray("Animation") << QVariant::fromValue(TLCD99::anSpiral) << false;
        QTest::newRow("AnimationDelay") << QByteArray("AnimationDelay") << QVariant(700) << false;
        QTest::newRow("Color") << QByteArray("Color") << QVariant(QColor(Qt::red)) << true;
        QTest::newRow("DigitNum") << QByteArray("DigitNum") << QVariant(5) << true;
        QTest::newRow("DigitSpacing") << QByteArray("DigitSpacing") << QVariant(3) << true;
        QTest::newRow("DotDisplay") << QByteArray("DotDisplay") << QVariant(true) << true;
        QTest::newRow("DotSpacing") << QByteArray("DotSpacing") << QVariant(3) << true;
        QTest::newRow("DoubleBuffer") << QByteArray("DoubleBuffer") << QVariant(false) << true;
        QTest::newRow("GapX") << QByteArray("GapX") << QVariant(1) << true;
        QTest::newRow("GapY") << QByteArray("GapY") << QVariant(1) << true;
        QTest::newRow("OffColor") << QByteArray("OffColor") << QVariant(QColor(Qt::gray)) << true;
        QTest::newRow("OnColor") << QByteArray("OnColor") << QVariant(QColor(Qt::cyan)) << true;
        QTest::newRow("Preview") << QByteArray("Preview") << QVariant(true) << true;
        QTest::newRow("SegmentSize") << QByteArray("SegmentSize") << QVariant(3) << true;
        QTest::newRow("Value") << QByteArray("Value") << QVariant(QStringLiteral("12")) << true;
    }

    void settersRepaintOnlyOnChange()
    {
        QFETCH(QByteArray, property);
        QFETCH(QVariant, other);
        QFETCH(bool, repaints);

        TLCD99 lcd;
        lcd.show();
        QVERIFY(QTest::qWaitForWindowExposed(&lcd));
        settle();
        PaintCounter counter(&lcd);
        QVERIFY(lcd.setProperty(property, lcd.property(property)));
        settle();
        QCOMPARE(counter.paints, 0);
        QVERIFY(lcd.setProperty(property, other));
        QCOMPARE(lcd.property(property), other);
        if (repaints) {
            QTRY_VERIFY(counter.paints > 0);
        } else {
            settle();
            QCOMPARE(counter.paints, 0);
        }
    }

    void valueChangesAreAnnounced()
    {
        TLCD99 lcd;
        QSignalSpy changes(&lcd, &TLCD99::OnChange);
        lcd.setValue("120");
        lcd.setValue("abc");
        lcd.setValue("12#");
        QCOMPARE(changes.size(), 3);
        QCOMPARE(changes[0], (QVariantList { QVariant::fromValue(&lcd), QString(), QStringLiteral("120") }));
        QCOMPARE(
            changes[1], (QVariantList { QVariant::fromValue(&lcd), QStringLiteral("120"), QStringLiteral("ABC") }));
        QCOMPARE(changes[2], (QVariantList { QVariant::fromValue(&lcd), QStringLiteral("ABC"), QString() }));
        QCOMPARE(lcd.Value(), QString());
    }

    void theSameTextAgainIsNoChange()
    {
        TLCD99 lcd;
        lcd.setValue("ABC");
        lcd.show();
        QVERIFY(QTest::qWaitForWindowExposed(&lcd));
        settle();
        PaintCounter counter(&lcd);
        QSignalSpy changes(&lcd, &TLCD99::OnChange);

        lcd.setValue("ABC");
        settle();
        QCOMPARE(changes.size(), 0);
        QCOMPARE(counter.paints, 0);

        // Compared before it is raised, "abc" differs from the stored "ABC".
        lcd.setValue("abc");
        QCOMPARE(changes.size(), 1);
        QCOMPARE(changes[0][1].toString(), QStringLiteral("ABC"));
        QCOMPARE(changes[0][2].toString(), QStringLiteral("ABC"));
        QTRY_VERIFY(counter.paints > 0);
    }

    void picturesAgreeWithTheGeometry_data()
    {
        QTest::addColumn<Shape>("shape");
        QTest::addColumn<QString>("value");

        QTest::newRow("score -20") << ScoreShape << "-20";
        QTest::newRow("score 88888") << ScoreShape << "88888";
        QTest::newRow("score with points and colon") << ScoreShape << "1.2:3.4";
        QTest::newRow("value 500") << ValueShape << "500";
        QTest::newRow("value 05") << ValueShape << "05";
        QTest::newRow("table 12345") << TableShape << "12345";
        QTest::newRow("table letters") << TableShape << "H.ELP";
        QTest::newRow("dots 1:7.4") << DotShape << "1:7.4";
        QTest::newRow("dots 8888") << DotShape << "8888";
        QTest::newRow("dots blank") << DotShape << "";
    }

    void picturesAgreeWithTheGeometry()
    {
        QFETCH(Shape, shape);
        QFETCH(QString, value);

        TLCD99 lcd;
        shapeDisplay(lcd, shape);
        lcd.setValue(value);
        const int compared = expectedPicture(lcd, lcd.Value()).compare(picture(lcd));
        QVERIFY(compared > shape.width * shape.height / 2);
    }

    // Changing the value draws the changed cells over the picture kept from before; the result must be the
    // picture a fresh display gives.
    void changesEndInTheFreshPicture_data()
    {
        QTest::addColumn<Shape>("shape");
        QTest::addColumn<QStringList>("values");

        QTest::newRow("score counting") << ScoreShape << QStringList { "0", "495", "990", "1480", "-20", "", "99999" };
        QTest::newRow("value counting down") << ValueShape << QStringList { "500", "495", "5", "0", "250" };
        QTest::newRow("points move") << TableShape << QStringList { "1.2.3", "12.3", "1..", "1", "5.." };
        QTest::newRow("dots") << DotShape << QStringList { "12:30", "12:31", "HELP", "", "7" };
    }

    void changesEndInTheFreshPicture()
    {
        QFETCH(Shape, shape);
        QFETCH(QStringList, values);

        TLCD99 lcd;
        shapeDisplay(lcd, shape);
        for (const QString &value : values) {
            lcd.setValue(value);
            const QImage changed = picture(lcd);
            TLCD99 fresh;
            shapeDisplay(fresh, shape);
            fresh.setValue(value);
            QCOMPARE(changed, picture(fresh));
        }
    }

    void minusTwentyOnFiveDigits()
    {
        TLCD99 lcd;
        shapeDisplay(lcd, ScoreShape);
        lcd.setValue("-20");
        const QImage image = picture(lcd);
        const Lcd::Layout layout = layoutOf(lcd);

        for (int cell = 1; cell <= 2; ++cell)
            for (int segment = 1; segment <= Lcd::SegmentCount; ++segment)
                QCOMPARE(at(image, insideSegment(layout, segment, cell)), Unlit);
        for (int segment = 1; segment <= Lcd::SegmentCount; ++segment)
            QCOMPARE(at(image, insideSegment(layout, segment, 3)), segment == Lcd::Middle ? Lit : Unlit);
        const QList<int> two { 1, 3, 4, 5, 7 };
        const QList<int> zero { 1, 2, 3, 5, 6, 7 };
        for (int segment = 1; segment <= Lcd::SegmentCount; ++segment) {
            QCOMPARE(at(image, insideSegment(layout, segment, 4)), two.contains(segment) ? Lit : Unlit);
            QCOMPARE(at(image, insideSegment(layout, segment, 5)), zero.contains(segment) ? Lit : Unlit);
        }
        for (int position = 1; position <= 5; ++position)
            QCOMPARE(at(image, insideDecimalPoint(layout, position)), Unlit);
        // Between the cells, and right of the last one's outline, the background shows.
        QCOMPARE(at(image, { 34, 10 }), Background);
        QCOMPARE(at(image, { 65, 30 }), Background);
        for (int y = 0; y < 45; ++y)
            for (int x = 156; x < 163; ++x)
                QCOMPARE(at(image, { x, y }), Background);
    }

    void refusedTextShowsEveryCellDark()
    {
        TLCD99 lcd;
        shapeDisplay(lcd, ScoreShape);
        lcd.setValue("88888");
        picture(lcd);
        lcd.setValue("12#");
        QCOMPARE(lcd.Value(), QString());
        const QImage image = picture(lcd);
        const Lcd::Layout layout = layoutOf(lcd);
        for (int cell = 1; cell <= 5; ++cell) {
            for (int segment = 1; segment <= Lcd::SegmentCount; ++segment)
                QCOMPARE(at(image, insideSegment(layout, segment, cell)), Unlit);
            QCOMPARE(at(image, insideDecimalPoint(layout, cell)), Unlit);
        }
        QVERIFY(expectedPicture(lcd, QString()).compare(image) > 0);
    }

    void longTextsShowTheirLeftPart()
    {
        TLCD99 lcd;
        shapeDisplay(lcd, ScoreShape);
        lcd.setValue("123456");
        QCOMPARE(lcd.Value(), QStringLiteral("123456"));
        TLCD99 five;
        shapeDisplay(five, ScoreShape);
        five.setValue("12345");
        QCOMPARE(picture(lcd), picture(five));
    }

    void twoTrailingPointsLeaveOneBeforeTheLastCell()
    {
        TLCD99 lcd;
        shapeDisplay(lcd, ScoreShape);
        lcd.setValue("5..");
        QCOMPARE(lcd.Value(), QStringLiteral("5."));
        const QImage image = picture(lcd);
        const Lcd::Layout layout = layoutOf(lcd);
        for (int position = 1; position <= 5; ++position)
            QCOMPARE(at(image, insideDecimalPoint(layout, position)), position == 5 ? Lit : Unlit);
        QCOMPARE(at(image, insideSegment(layout, Lcd::Top, 5)), Lit);
        QCOMPARE(at(image, insideSegment(layout, Lcd::UpperRight, 5)), Unlit);
    }

    void noDigitsDrawsTheBackgroundOnly_data()
    {
        QTest::addColumn<int>("digits");
        QTest::addColumn<bool>("dotted");
        QTest::addColumn<int>("dotSpacing");

        QTest::newRow("no digits") << 0 << false << 2;
        QTest::newRow("negative digits") << -4 << false << 2;
        QTest::newRow("dot pitch 0") << 4 << true << -2;
    }

    void noDigitsDrawsTheBackgroundOnly()
    {
        QFETCH(int, digits);
        QFETCH(bool, dotted);
        QFETCH(int, dotSpacing);

        TLCD99 lcd;
        shapeDisplay(lcd, DotShape);
        lcd.setDigitNum(digits);
        lcd.setDotDisplay(dotted);
        lcd.setDotSpacing(dotSpacing);
        lcd.setValue("1234");
        QImage expected(lcd.size(), QImage::Format_RGB32);
        expected.fill(Background);
        QCOMPARE(picture(lcd), expected);
    }

    void withoutAnimationTheDelayDoesNothing()
    {
        TLCD99 lcd;
        shapeDisplay(lcd, ScoreShape);
        lcd.setAnimationDelay(700);
        lcd.setValue("123");
        const QImage image = picture(lcd);
        QVERIFY(!lcd.IsPainting());
        QVERIFY(expectedPicture(lcd, "123").compare(image) > 0);
    }

    // Animated, the eight frames draw one segment number each in every changed cell, in the order of the kind;
    // cells that did not change stay as they were throughout.
    void animationDrawsSegmentBySegment()
    {
        TLCD99 lcd;
        shapeDisplay(lcd, ScoreShape);
        lcd.setValue("1240");
        picture(lcd);
        lcd.setAnimation(TLCD99::anDown);
        lcd.setAnimationDelay(140);
        lcd.setValue("1785");

        const Lcd::Layout layout = layoutOf(lcd);
        const QList<int> order { 1, 2, 3, 8, 4, 5, 6, 7 };
        auto colour
            = [](char c, int segment) { return Lcd::segmentLit(Lcd::glyphOf(QChar(c)), segment) ? Lit : Unlit; };
        // Cells 3 to 5 change from "240" to "785"; each frame shows in them as drawn, not yet drawn, or alike.
        enum State { Alike, Drawn, Undrawn };
        bool consistent = true;
        auto frameState = [&](const QImage &image, int segment) {
            State state = Alike;
            for (auto [cell, from, to] :
                { std::tuple { 3, '2', '7' }, std::tuple { 4, '4', '8' }, std::tuple { 5, '0', '5' } }) {
                const QColor seen = at(image, insideSegment(layout, segment, cell));
                const QColor before = colour(from, segment);
                const QColor after = colour(to, segment);
                if (before == after) {
                    consistent = consistent && seen == after;
                    continue;
                }
                const State cellState = seen == after ? Drawn : Undrawn;
                // Each frame draws its segment in every changed cell at once.
                consistent = consistent && (seen == after || seen == before) && (state == Alike || state == cellState);
                state = cellState;
            }
            return state;
        };

        int lastDrawnBefore = 0;
        bool firstPicture = true;
        QElapsedTimer clock;
        clock.start();
        do {
            const QImage image = picture(lcd);
            for (int segment = 1; segment <= Lcd::SegmentCount; ++segment) {
                QCOMPARE(at(image, insideSegment(layout, segment, 1)), Unlit);
                QCOMPARE(at(image, insideSegment(layout, segment, 2)), colour('1', segment));
            }
            // The frames drawn so far are the first ones of the order, and never fewer than before.
            int lastDrawn = 0;
            int firstUndrawn = Lcd::FrameCount + 1;
            for (int frame = 1; frame <= Lcd::FrameCount; ++frame) {
                const State state = frameState(image, order[frame - 1]);
                if (state == Drawn)
                    lastDrawn = frame;
                else if (state == Undrawn)
                    firstUndrawn = std::min(firstUndrawn, frame);
            }
            QVERIFY(consistent);
            QVERIFY(lastDrawn < firstUndrawn);
            QVERIFY(lastDrawn >= lastDrawnBefore);
            lastDrawnBefore = lastDrawn;
            if (firstPicture) {
                QVERIFY(lcd.IsPainting());
                QCOMPARE(lastDrawn, 1);
                QCOMPARE(firstUndrawn, 3);
                firstPicture = false;
            }
            QVERIFY2(clock.elapsed() < 10000, "the animation never ends");
            QTest::qWait(5);
        } while (lcd.IsPainting());

        QVERIFY(expectedPicture(lcd, "1785").compare(picture(lcd)) > 0);
    }

    void aChangeDuringTheAnimationIsShownAfterIt()
    {
        TLCD99 lcd;
        shapeDisplay(lcd, ScoreShape);
        lcd.setAnimation(TLCD99::anSpiral);
        lcd.setAnimationDelay(70);
        lcd.show();
        QVERIFY(QTest::qWaitForWindowExposed(&lcd));
        lcd.setValue("111");
        lcd.repaint();
        QVERIFY(lcd.IsPainting());
        lcd.setValue("222");
        QVERIFY(paintFinishes(lcd));
        QVERIFY(expectedPicture(lcd, "222").compare(picture(lcd)) > 0);
    }

    void randomAnimationDrawsOncePerPaint()
    {
        TLCD99 lcd;
        shapeDisplay(lcd, ScoreShape);
        lcd.setValue("12");
        lcd.setAnimation(TLCD99::anRandom);

        QRandomGenerator random(42);
        lcd.setRandomSource(&random);
        QRandomGenerator afterOneDraw(42);
        afterOneDraw.bounded(1, 6);
        // A paint without a change draws a kind all the same.
        picture(lcd);
        QVERIFY(random == afterOneDraw);
    }

    void paintDurationCoversTheAnimation()
    {
        TLCD99 lcd;
        shapeDisplay(lcd, ScoreShape);
        lcd.setAnimation(TLCD99::anUp);
        lcd.setAnimationDelay(140);
        lcd.setValue("8");
        picture(lcd);
        QVERIFY(lcd.IsPainting());
        QVERIFY(paintFinishes(lcd));
        // The frames waited out most of the delay; the paint that shows the last frame draws nothing new and
        // leaves the duration as it was.
        QVERIFY2(lcd.PaintDuration() >= 100, qPrintable(QString::number(lcd.PaintDuration())));
        const quint32 animated = lcd.PaintDuration();
        picture(lcd);
        QCOMPARE(lcd.PaintDuration(), animated);
    }

    void anyTextIsSafe()
    {
        TLCD99 lcd;
        shapeDisplay(lcd, ScoreShape);
        std::mt19937 random(7);
        for (int length : { 0, 1, 2, 5, 6, 40, 1000, 100000 }) {
            for (int round = 0; round < 4; ++round) {
                QString text;
                for (int i = 0; i < length; ++i)
                    text += QChar(char16_t(round % 2 ? random() % 0x10000 : U" 0123456789-.:abcXYZ#"[random() % 21]));
                lcd.setValue(text);
                const QString stored = lcd.Value();
                QVERIFY(stored.isEmpty() || !stored.endsWith(u'.') || text.endsWith(QStringLiteral("..")));
                for (QChar c : stored)
                    QVERIFY(QStringLiteral("0123456789- .ABCDEFGHIJKLMNOPQRSTUVWXYZ:").contains(c));
                picture(lcd);
            }
        }
    }

    void anyPropertiesAreSafe_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("digits");
        QTest::addColumn<int>("spacing");
        QTest::addColumn<int>("segmentSize");
        QTest::addColumn<bool>("dotted");
        QTest::addColumn<int>("dotSpacing");
        QTest::addColumn<int>("gap");

        const QSize normal(163, 45);
        for (bool dotted : { false, true }) {
            const QByteArray style = dotted ? "dots, " : "solid, ";
            auto row = [&](const char *name) -> QTestData & { return QTest::newRow((style + name).constData()); };
            row("zero digits") << normal << 0 << 5 << 3 << dotted << 2 << 2;
            row("negative digits") << normal << -7 << 5 << 3 << dotted << 2 << 2;
            row("most digits") << normal << INT_MAX << 5 << 3 << dotted << 2 << 2;
            row("least digits") << normal << INT_MIN << 5 << 3 << dotted << 2 << 2;
            row("one digit") << normal << 1 << 5 << 3 << dotted << 2 << 2;
            row("many digits, no spacing") << normal << 100000 << -1 << 3 << dotted << 0 << 2;
            row("huge spacing") << normal << 5 << INT_MAX << 3 << dotted << 2 << 2;
            row("most negative spacing") << normal << 5 << INT_MIN << 3 << dotted << 2 << 2;
            row("negative spacing") << normal << 5 << -40 << 3 << dotted << 2 << 2;
            row("huge segments") << normal << 5 << 5 << INT_MAX << dotted << 2 << 2;
            row("most negative segments") << normal << 5 << 5 << INT_MIN << dotted << 2 << 2;
            row("negative segments") << normal << 5 << 5 << -6 << dotted << 2 << 2;
            row("zero segments") << normal << 5 << 5 << 0 << dotted << 0 << 2;
            row("segments wider than cells") << normal << 5 << 5 << 40 << dotted << 2 << 2;
            row("zero dot pitch") << normal << 5 << 5 << 3 << dotted << -3 << 2;
            row("negative dot pitch") << normal << 5 << 5 << 3 << dotted << -300 << 2;
            row("huge dot spacing") << normal << 5 << 5 << 3 << dotted << INT_MAX << 2;
            row("smallest dot pitch") << normal << 1 << 5 << 1 << dotted << 0 << 2;
            row("huge gaps") << normal << 5 << 5 << 3 << dotted << 2 << INT_MAX;
            row("most negative gaps") << normal << 5 << 5 << 3 << dotted << 2 << INT_MIN;
            row("empty control") << QSize(0, 0) << 5 << 5 << 3 << dotted << 2 << 2;
            row("one pixel") << QSize(1, 1) << 5 << 5 << 3 << dotted << 2 << 2;
            row("wide and flat") << QSize(4000, 2) << 5 << 5 << 3 << dotted << 2 << 2;
            row("every extreme") << normal << INT_MAX << INT_MIN << INT_MAX << dotted << INT_MIN << INT_MAX;
        }
    }

    void anyPropertiesAreSafe()
    {
        QFETCH(QSize, size);
        QFETCH(int, digits);
        QFETCH(int, spacing);
        QFETCH(int, segmentSize);
        QFETCH(bool, dotted);
        QFETCH(int, dotSpacing);
        QFETCH(int, gap);

        TLCD99 lcd;
        lcd.setColor(Background);
        lcd.resize(size);
        lcd.setDigitNum(digits);
        lcd.setDigitSpacing(spacing);
        lcd.setSegmentSize(segmentSize);
        lcd.setDotDisplay(dotted);
        lcd.setDotSpacing(dotSpacing);
        lcd.setGapX(gap);
        lcd.setGapY(gap);
        lcd.setAnimation(TLCD99::anRandom);
        lcd.setAnimationDelay(14);
        for (const char *value : { "8.8.:8", "", "-", "HELLO WORLD 1234567890" }) {
            lcd.setValue(value);
            if (size.isEmpty())
                lcd.repaint();
            else
                picture(lcd);
            QVERIFY(paintFinishes(lcd));
        }
        if (digits <= 0 && !size.isEmpty()) {
            const QImage image = picture(lcd);
            QCOMPARE(image.pixelColor(0, 0), Background);
            QCOMPARE(image.pixelColor(size.width() - 1, size.height() - 1), Background);
        }
    }
};

QTEST_MAIN(TestLcd99)
#include "tst_lcd99.moc"
