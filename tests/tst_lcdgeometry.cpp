#include "controls/lcdgeometry.h"

#include <QtTest>

using namespace Lcd;

Q_DECLARE_METATYPE(Lcd::Settings)
Q_DECLARE_METATYPE(Lcd::Outline)
Q_DECLARE_METATYPE(Lcd::Box)

namespace {

// The score display of the main window.
constexpr Settings ScoreDisplay { 163, 45, 5, 5, 3, 2, 2, 2, false };
// The countdown display of the main window.
constexpr Settings ValueDisplay { 66, 21, 3, 5, 1, 2, 2, 2, false };
// A score display of the high-score table.
constexpr Settings TableDisplay { 107, 23, 5, 3, 3, 2, 2, 2, false };
// A dot-matrix display at the control's size of construction.
constexpr Settings DotDisplay { 92, 34, 4, 5, 2, 2, 2, 2, true };

Settings withSegmentSize(Settings settings, int segmentSize)
{
    settings.segmentSize = segmentSize;
    return settings;
}

QList<Coord> cellLefts(const Layout &layout)
{
    QList<Coord> lefts;
    for (Coord j = 1; j <= layout.digitNum; ++j)
        lefts << layout.cellLeft(j);
    return lefts;
}

int glyphFor(char c)
{
    return glyphOf(QChar(c)).index;
}

} // namespace

class TestLcdGeometry : public QObject
{
    Q_OBJECT

private slots:
    void charactersMapToGlyphs_data()
    {
        QTest::addColumn<QChar>("character");
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("lit");
        QTest::addColumn<QList<int>>("litSegments");

        QTest::newRow("0") << QChar('0') << 0 << true << QList<int> { 1, 2, 3, 5, 6, 7 };
        QTest::newRow("1") << QChar('1') << 1 << true << QList<int> { 3, 6 };
        QTest::newRow("2") << QChar('2') << 2 << true << QList<int> { 1, 3, 4, 5, 7 };
        QTest::newRow("3") << QChar('3') << 3 << true << QList<int> { 1, 3, 4, 6, 7 };
        QTest::newRow("4") << QChar('4') << 4 << true << QList<int> { 2, 3, 4, 6 };
        QTest::newRow("5") << QChar('5') << 5 << true << QList<int> { 1, 2, 4, 6, 7 };
        QTest::newRow("6") << QChar('6') << 6 << true << QList<int> { 1, 2, 4, 5, 6, 7 };
        QTest::newRow("7") << QChar('7') << 7 << true << QList<int> { 1, 3, 6 };
        QTest::newRow("8") << QChar('8') << 8 << true << QList<int> { 1, 2, 3, 4, 5, 6, 7 };
        QTest::newRow("9") << QChar('9') << 9 << true << QList<int> { 1, 2, 3, 4, 6, 7 };
        QTest::newRow("-") << QChar('-') << 10 << true << QList<int> { 4 };
        QTest::newRow(":") << QChar(':') << 11 << true << QList<int> { 8 };
        QTest::newRow("A") << QChar('A') << 12 << true << QList<int> { 1, 2, 3, 4, 5, 6 };
        QTest::newRow("B") << QChar('B') << 13 << true << QList<int> { 2, 4, 5, 6, 7 };
        QTest::newRow("C") << QChar('C') << 14 << true << QList<int> { 1, 2, 5, 7 };
        QTest::newRow("D") << QChar('D') << 15 << true << QList<int> { 3, 4, 5, 6, 7 };
        QTest::newRow("E") << QChar('E') << 16 << true << QList<int> { 1, 2, 4, 5, 7 };
        QTest::newRow("F") << QChar('F') << 17 << true << QList<int> { 1, 2, 4, 5 };
        QTest::newRow("G") << QChar('G') << 18 << true << QList<int> { 1, 2, 4, 5, 6, 7 };
        QTest::newRow("H") << QChar('H') << 19 << true << QList<int> { 2, 4, 5, 6 };
        QTest::newRow("I") << QChar('I') << 20 << true << QList<int> { 3, 6 };
        QTest::newRow("J") << QChar('J') << 21 << true << QList<int> { 3, 6, 7 };
        QTest::newRow("K") << QChar('K') << 22 << true << QList<int> { 2, 3, 4, 5, 6 };
        QTest::newRow("L") << QChar('L') << 23 << true << QList<int> { 2, 5, 7 };
        QTest::newRow("M") << QChar('M') << 24 << true << QList<int> { 4, 5, 6 };
        QTest::newRow("N") << QChar('N') << 25 << true << QList<int> { 4, 5, 6 };
        QTest::newRow("O") << QChar('O') << 26 << true << QList<int> { 4, 5, 6, 7 };
        QTest::newRow("P") << QChar('P') << 27 << true << QList<int> { 1, 2, 3, 4, 5 };
        QTest::newRow("Q") << QChar('Q') << 28 << true << QList<int> { 1, 2, 3, 4, 6 };
        QTest::newRow("R") << QChar('R') << 29 << true << QList<int> { 4, 5 };
        QTest::newRow("S") << QChar('S') << 30 << true << QList<int> { 1, 2, 4, 6, 7 };
        QTest::newRow("T") << QChar('T') << 31 << true << QList<int> { 2, 4, 5 };
        QTest::newRow("U") << QChar('U') << 32 << true << QList<int> { 2, 3, 5, 6, 7 };
        QTest::newRow("V") << QChar('V') << 33 << true << QList<int> { 2, 3, 5, 6, 7 };
        QTest::newRow("W") << QChar('W') << 34 << true << QList<int> { 2, 3, 5, 6, 7 };
        QTest::newRow("X") << QChar('X') << 35 << true << QList<int> { 2, 3, 4, 5, 6 };
        QTest::newRow("Y") << QChar('Y') << 36 << true << QList<int> { 2, 3, 4, 6 };
        QTest::newRow("Z") << QChar('Z') << 37 << true << QList<int> { 1, 3, 4, 5, 7 };
        // A blank is an unlit 8: every segment in the off colour.
        QTest::newRow("blank") << QChar(' ') << 8 << false << QList<int> {};
        // Anything the table lacks shows as a lit 8.
        QTest::newRow("hash") << QChar('#') << 8 << true << QList<int> { 1, 2, 3, 4, 5, 6, 7 };
        QTest::newRow("lower case") << QChar('a') << 8 << true << QList<int> { 1, 2, 3, 4, 5, 6, 7 };
        QTest::newRow("point") << QChar('.') << 8 << true << QList<int> { 1, 2, 3, 4, 5, 6, 7 };
        QTest::newRow("umlaut") << QChar(0x00C4) << 8 << true << QList<int> { 1, 2, 3, 4, 5, 6, 7 };
    }

    void charactersMapToGlyphs()
    {
        QFETCH(QChar, character);
        QFETCH(int, index);
        QFETCH(bool, lit);
        QFETCH(QList<int>, litSegments);

        const Glyph glyph = glyphOf(character);
        QCOMPARE(glyph.index, index);
        QCOMPARE(glyph.lit, lit);
        for (int segment = 1; segment <= SegmentCount; ++segment)
            QVERIFY2(segmentLit(glyph, segment) == litSegments.contains(segment), qPrintable(QString::number(segment)));
    }

    void drawingOrdersListEverySegmentOnce_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QList<int>>("order");

        QTest::newRow("none draws downward") << 0 << QList<int> { 1, 2, 3, 8, 4, 5, 6, 7 };
        QTest::newRow("spiral") << 1 << QList<int> { 8, 4, 2, 1, 3, 6, 7, 5 };
        QTest::newRow("up") << 2 << QList<int> { 7, 6, 5, 8, 4, 3, 2, 1 };
        QTest::newRow("down") << 3 << QList<int> { 1, 2, 3, 8, 4, 5, 6, 7 };
        QTest::newRow("left") << 4 << QList<int> { 6, 3, 7, 8, 4, 1, 5, 2 };
        QTest::newRow("right") << 5 << QList<int> { 2, 5, 1, 8, 4, 7, 3, 6 };
    }

    void drawingOrdersListEverySegmentOnce()
    {
        QFETCH(int, kind);
        QFETCH(QList<int>, order);

        QList<int> frames;
        for (int frame = 1; frame <= FrameCount; ++frame)
            frames << segmentOfFrame(kind, frame);
        QCOMPARE(frames, order);
        std::sort(frames.begin(), frames.end());
        QCOMPARE(frames, (QList<int> { 1, 2, 3, 4, 5, 6, 7, 8 }));
    }

    void cellsFitTheControl_data()
    {
        QTest::addColumn<Settings>("settings");
        QTest::addColumn<Coord>("P");
        QTest::addColumn<Coord>("CW");
        QTest::addColumn<Coord>("CH");
        QTest::addColumn<Coord>("LH");
        QTest::addColumn<Coord>("LV");
        QTest::addColumn<QList<Coord>>("lefts");

        QTest::newRow("score 163 x 45") << ScoreDisplay << Coord(6) << Coord(25) << Coord(44) << Coord(21) << Coord(18)
                                        << QList<Coord> { 6, 37, 68, 99, 130 };
        QTest::newRow("value 66 x 21") << ValueDisplay << Coord(6) << Coord(13) << Coord(20) << Coord(9) << Coord(6)
                                       << QList<Coord> { 6, 25, 44 };
        QTest::newRow("table 107 x 23") << TableDisplay << Coord(4) << Coord(16) << Coord(22) << Coord(12) << Coord(7)
                                        << QList<Coord> { 4, 24, 44, 64, 84 };
        // Dot-matrix cells grow in whole pitches of 4 and ignore the gaps.
        QTest::newRow("dots 92 x 34") << DotDisplay << Coord(5) << Coord(14) << Coord(26) << Coord(14) << Coord(13)
                                      << QList<Coord> { 5, 24, 43, 62 };
    }

    void cellsFitTheControl()
    {
        QFETCH(Settings, settings);
        QFETCH(Coord, P);
        QFETCH(Coord, CW);
        QFETCH(Coord, CH);
        QFETCH(Coord, LH);
        QFETCH(Coord, LV);
        QFETCH(QList<Coord>, lefts);

        const Layout layout = cellLayout(settings);
        QVERIFY(layout.drawable);
        QCOMPARE(layout.P, P);
        QCOMPARE(layout.CW, CW);
        QCOMPARE(layout.CH, CH);
        QCOMPARE(layout.LH, LH);
        QCOMPARE(layout.LV, LV);
        QCOMPARE(cellLefts(layout), lefts);
    }

    void scoreDisplayLeavesItsRemainderAtTheRight()
    {
        const Layout layout = cellLayout(ScoreDisplay);
        QCOMPARE(ScoreDisplay.width - (layout.cellLeft(5) + layout.CW), 8);
        QCOMPARE(layout.cellLeft(1), 6);
    }

    void dotMatrixPitch()
    {
        const Layout layout = cellLayout(DotDisplay);
        QCOMPARE(layout.q, 4);
        QCOMPARE(layout.GX, 0);
        QCOMPARE(layout.GY, 0);
    }

    void scoreDisplayOutlines_data()
    {
        QTest::addColumn<int>("segment");
        QTest::addColumn<Outline>("expected");

        QTest::newRow("top") << int(
            Top) << Outline { { { 8, 1 }, { 9, 0 }, { 28, 0 }, { 29, 1 }, { 26, 3 }, { 11, 3 }, { 8, 1 } } };
        QTest::newRow("bottom") << int(
            Bottom) << Outline { { { 8, 43 }, { 9, 44 }, { 28, 44 }, { 29, 43 }, { 26, 41 }, { 11, 41 }, { 8, 43 } } };
        QTest::newRow("middle") << int(
            Middle) << Outline { { { 8, 23 }, { 11, 21 }, { 26, 21 }, { 29, 23 }, { 26, 24 }, { 11, 24 }, { 8, 23 } } };
        QTest::newRow("upper left") << int(
            UpperLeft) << Outline { { { 7, 2 }, { 6, 3 }, { 6, 19 }, { 7, 20 }, { 9, 17 }, { 9, 5 }, { 7, 2 } } };
        QTest::newRow("upper right") << int(UpperRight)
                                     << Outline { { { 30, 2 }, { 31, 3 }, { 31, 19 }, { 30, 20 }, { 28, 17 }, { 28, 5 },
                                            { 30, 2 } } };
    }

    void scoreDisplayOutlines()
    {
        QFETCH(int, segment);
        QFETCH(Outline, expected);

        QCOMPARE(outline(cellLayout(ScoreDisplay), segment, 1), expected);
    }

    void lowerPostsStartBelowTheMiddle()
    {
        const Layout layout = cellLayout(ScoreDisplay);
        QCOMPARE(placement(layout, LowerLeft, 1), (Placement { 6, 24, 18, 3 }));
        QCOMPARE(placement(layout, LowerRight, 1), (Placement { 31, 24, 18, -3 }));
        QCOMPARE(outline(layout, LowerLeft, 1)[0], (Point { 7, 24 }));
    }

    void cellsRepeatAtTheirPitch()
    {
        const Layout layout = cellLayout(ScoreDisplay);
        const Outline first = outline(layout, Top, 1);
        const Outline third = outline(layout, Top, 3);
        for (std::size_t i = 0; i < first.size(); ++i)
            QCOMPARE(third[i], (Point { first[i].x + 62, first[i].y }));
    }

    void colonDotsOfTheScoreDisplay()
    {
        const auto dots = colonDots(cellLayout(ScoreDisplay), 1);
        QCOMPARE(dots[0], (Box { 15, 10, 22, 16 }));
        QCOMPARE(dots[1], (Box { 15, 28, 22, 34 }));
    }

    void decimalPointsSitInTheGapOnTheBaseline_data()
    {
        QTest::addColumn<Settings>("settings");
        QTest::addColumn<int>("position");
        QTest::addColumn<Box>("expected");

        QTest::newRow("score, position 2") << ScoreDisplay << 2 << Box { 33, 41, 36, 44 };
        QTest::newRow("score, position 1") << ScoreDisplay << 1 << Box { 2, 41, 5, 44 };
        // The gap of 4 leaves room for a point of 2, not of the stroke 3.
        QTest::newRow("table, position 3") << TableDisplay << 3 << Box { 41, 20, 43, 22 };
        QTest::newRow("dots, position 2") << DotDisplay << 2 << Box { 21, 24, 23, 26 };
    }

    void decimalPointsSitInTheGapOnTheBaseline()
    {
        QFETCH(Settings, settings);
        QFETCH(int, position);
        QFETCH(Box, expected);

        QCOMPARE(decimalPoint(cellLayout(settings), position), expected);
    }

    // The tips of the bars and posts stand round(T / 4) from the outer edge and of the middle bar round(T / 2)
    // from its top, halves going to the even neighbour.
    void tipsRoundHalvesToEven_data()
    {
        QTest::addColumn<int>("segmentSize");
        QTest::addColumn<Coord>("topTip");
        QTest::addColumn<Coord>("bottomTip");
        QTest::addColumn<Coord>("middleTip");

        QTest::newRow("1: a quarter rounds to 0, a half to 0") << 1 << Coord(0) << Coord(0) << Coord(0);
        QTest::newRow("2: a half rounds to 0") << 2 << Coord(0) << Coord(0) << Coord(1);
        QTest::newRow("3: 0.75 to 1, 1.5 to 2") << 3 << Coord(1) << Coord(-1) << Coord(2);
        QTest::newRow("5: 1.25 to 1, 2.5 to 2") << 5 << Coord(1) << Coord(-1) << Coord(2);
        QTest::newRow("6: 1.5 to 2, 3 to 3") << 6 << Coord(2) << Coord(-2) << Coord(3);
        QTest::newRow("10: 2.5 to 2") << 10 << Coord(2) << Coord(-2) << Coord(5);
        QTest::newRow("-2: -0.5 to 0") << -2 << Coord(0) << Coord(0) << Coord(-1);
    }

    void tipsRoundHalvesToEven()
    {
        QFETCH(int, segmentSize);
        QFETCH(Coord, topTip);
        QFETCH(Coord, bottomTip);
        QFETCH(Coord, middleTip);

        const Layout layout = cellLayout(withSegmentSize(ScoreDisplay, segmentSize));
        const Placement top = placement(layout, Top, 1);
        const Placement bottom = placement(layout, Bottom, 1);
        const Placement middle = placement(layout, Middle, 1);
        QCOMPARE(outline(layout, Top, 1)[0].y - top.y, topTip);
        QCOMPARE(outline(layout, Bottom, 1)[0].y - bottom.y, bottomTip);
        QCOMPARE(outline(layout, Middle, 1)[0].y - middle.y, middleTip);
        QCOMPARE(outline(layout, UpperLeft, 1)[0].x - layout.cellLeft(1), topTip);
        QCOMPARE(outline(layout, UpperRight, 1)[0].x - (layout.cellLeft(1) + layout.CW), bottomTip);
    }

    void thinBarsHaveTheirTipsOnTheOuterEdge()
    {
        const Layout layout = cellLayout(ValueDisplay);
        QCOMPARE(outline(layout, Top, 1),
            (Outline { { { 8, 0 }, { 8, 0 }, { 17, 0 }, { 17, 0 }, { 16, 1 }, { 9, 1 }, { 8, 0 } } }));
    }

    void dotRowsHaveFourDots_data()
    {
        QTest::addColumn<int>("segment");
        QTest::addColumn<Box>("first");
        QTest::addColumn<Box>("last");

        // Cell 2 starts at x = 24.
        QTest::newRow("top") << int(Top) << Box { 24, 0, 26, 2 } << Box { 36, 0, 38, 2 };
        QTest::newRow("middle") << int(Middle) << Box { 24, 12, 26, 14 } << Box { 36, 12, 38, 14 };
        QTest::newRow("bottom grows upward") << int(Bottom) << Box { 24, 26, 26, 24 } << Box { 36, 26, 38, 24 };
        QTest::newRow("upper left") << int(UpperLeft) << Box { 24, 0, 26, 2 } << Box { 24, 12, 26, 14 };
        QTest::newRow("upper right grows leftward")
            << int(UpperRight) << Box { 38, 0, 36, 2 } << Box { 38, 12, 36, 14 };
        QTest::newRow("lower left") << int(LowerLeft) << Box { 24, 12, 26, 14 } << Box { 24, 24, 26, 26 };
        QTest::newRow("lower right") << int(LowerRight) << Box { 38, 12, 36, 14 } << Box { 38, 24, 36, 26 };
    }

    void dotRowsHaveFourDots()
    {
        QFETCH(int, segment);
        QFETCH(Box, first);
        QFETCH(Box, last);

        const DotRow row = dotRow(cellLayout(DotDisplay), segment, 2, glyphFor('8'));
        QCOMPARE(row.count, 4);
        QCOMPARE(row.first, 0);
        QCOMPARE(row.last, 4);
        QCOMPARE(row.dot(0), first);
        QCOMPARE(row.dot(3), last);
    }

    // The corner dots are shared: the last dot of the bottom bar lies where the last dot of the lower right post
    // does, and the right posts meet the last dot of the bars.
    void cornerDotsCoincide()
    {
        const Layout layout = cellLayout(DotDisplay);
        const int eight = glyphFor('8');
        auto normalised = [](Box b) {
            return Box { std::min(b.left, b.right), std::min(b.top, b.bottom), std::max(b.left, b.right),
                std::max(b.top, b.bottom) };
        };
        const DotRow bottom = dotRow(layout, Bottom, 1, eight);
        QCOMPARE(normalised(bottom.dot(3)), normalised(dotRow(layout, LowerRight, 1, eight).dot(3)));
        QCOMPARE(normalised(bottom.dot(0)), normalised(dotRow(layout, LowerLeft, 1, eight).dot(3)));
        QCOMPARE(
            normalised(dotRow(layout, Top, 1, eight).dot(3)), normalised(dotRow(layout, UpperRight, 1, eight).dot(0)));
    }

    // An unlit segment leaves out a corner dot that a lit neighbour of the same glyph draws.
    void unlitSegmentsGiveWayAtLitCorners_data()
    {
        QTest::addColumn<char>("character");
        QTest::addColumn<int>("segment");
        QTest::addColumn<Coord>("first");
        QTest::addColumn<Coord>("last");

        QTest::newRow("1: top gives its last dot to the upper right post") << '1' << int(Top) << Coord(0) << Coord(3);
        QTest::newRow("1: bottom gives its last dot to the lower right") << '1' << int(Bottom) << Coord(0) << Coord(3);
        QTest::newRow("1: middle gives its last dot away") << '1' << int(Middle) << Coord(0) << Coord(3);
        QTest::newRow("1: upper left keeps both") << '1' << int(UpperLeft) << Coord(0) << Coord(4);
        QTest::newRow("1: lit posts draw every dot") << '1' << int(UpperRight) << Coord(0) << Coord(4);
        QTest::newRow("7: upper left gives its first dot to the top") << '7' << int(UpperLeft) << Coord(1) << Coord(4);
        QTest::newRow("0: middle gives both ends away") << '0' << int(Middle) << Coord(1) << Coord(3);
        QTest::newRow("-: upper left gives its last dot to the middle")
            << '-' << int(UpperLeft) << Coord(0) << Coord(3);
        QTest::newRow("-: lower right gives its first dot to the middle")
            << '-' << int(LowerRight) << Coord(1) << Coord(4);
        QTest::newRow("L: lower right gives its last dot to the bottom")
            << 'L' << int(LowerRight) << Coord(0) << Coord(3);
        QTest::newRow("4: bottom gives its last dot to the lower right") << '4' << int(Bottom) << Coord(0) << Coord(3);
        QTest::newRow("H: bottom gives both ends away") << 'H' << int(Bottom) << Coord(1) << Coord(3);
        QTest::newRow("-: bottom keeps both, its neighbours are dark") << '-' << int(Bottom) << Coord(0) << Coord(4);
        QTest::newRow("J: upper left keeps both") << 'J' << int(UpperLeft) << Coord(0) << Coord(4);
        QTest::newRow(":: no segment is lit, every dot is drawn") << ':' << int(Top) << Coord(0) << Coord(4);
        // A blank is glyph 8, in which every segment is lit: all its dots are drawn, in the off colour.
        QTest::newRow("blank draws every dot") << ' ' << int(Middle) << Coord(0) << Coord(4);
    }

    void unlitSegmentsGiveWayAtLitCorners()
    {
        QFETCH(char, character);
        QFETCH(int, segment);
        QFETCH(Coord, first);
        QFETCH(Coord, last);

        const DotRow row = dotRow(cellLayout(DotDisplay), segment, 1, glyphFor(character));
        QCOMPARE(row.first, first);
        QCOMPARE(row.last, last);
    }

    void noCellsWithoutDigitsOrPitch_data()
    {
        QTest::addColumn<Settings>("settings");

        Settings settings = ScoreDisplay;
        settings.digitNum = 0;
        QTest::newRow("no digits") << settings;
        settings.digitNum = -3;
        QTest::newRow("negative digits") << settings;
        settings = DotDisplay;
        settings.dotSpacing = -2;
        QTest::newRow("dot pitch 0") << settings;
        settings.dotSpacing = -5;
        QTest::newRow("negative dot pitch") << settings;
    }

    void noCellsWithoutDigitsOrPitch()
    {
        QFETCH(Settings, settings);

        const Layout layout = cellLayout(settings);
        QVERIFY(!layout.drawable);
        const CellRange cells = visibleCells(layout, settings.width);
        QVERIFY(cells.last < cells.first);
    }

    void onlyCellsReachingThePictureAreDrawn_data()
    {
        QTest::addColumn<Settings>("settings");
        QTest::addColumn<Coord>("first");
        QTest::addColumn<Coord>("last");

        QTest::newRow("score display shows all five") << ScoreDisplay << Coord(1) << Coord(5);
        QTest::newRow("dot display shows all four") << DotDisplay << Coord(1) << Coord(4);
        // Cells one pixel apart, each reaching from 10 left of its edge to 5 right of it.
        Settings settings = ScoreDisplay;
        settings.digitNum = 2000000000;
        QTest::newRow("two billion digits: only the few that reach the picture") << settings << Coord(1) << Coord(168);
        settings.digitSpacing = -1;
        QTest::newRow("cells at one place: only the last ones")
            << settings << Coord(2000000000 - MaxDrawnCells + 1) << Coord(2000000000);
    }

    void onlyCellsReachingThePictureAreDrawn()
    {
        QFETCH(Settings, settings);
        QFETCH(Coord, first);
        QFETCH(Coord, last);

        QCOMPARE(Lcd::visibleCells(cellLayout(settings), settings.width), (CellRange { first, last }));
    }

    void visibleDotsStayInThePicture()
    {
        const DotRow row = dotRow(cellLayout(DotDisplay), Top, 1, glyphFor('8'));
        const DotRange all = visibleDots(row, 92, 34);
        QCOMPARE(all.first, 0);
        QCOMPARE(all.last, 4);
        const DotRange cut = visibleDots(row, 10, 34);
        QCOMPARE(cut.first, 0);
        QCOMPARE(cut.last, 2);
        const DotRange none = visibleDots(row, 92, 0);
        QCOMPARE(none.last, none.first);

        Settings settings = DotDisplay;
        settings.width = 2000000000;
        settings.digitNum = 1;
        const DotRow longRow = dotRow(cellLayout(settings), Top, 1, glyphFor('8'));
        QVERIFY(longRow.count > 100000000);
        const DotRange visible = visibleDots(longRow, 92, 34);
        QCOMPARE(visible.first, 0);
        QCOMPARE(visible.last, 22);
    }
};

QTEST_APPLESS_MAIN(TestLcdGeometry)
#include "tst_lcdgeometry.moc"
