#pragma once

#include <QChar>

#include <array>
#include <cstdint>
#include <initializer_list>

// The drawing rules of the seven-segment display: which segments each character lights, how the control's area
// is cut into digit cells, and the outline of every bar, post, colon dot and decimal point. Everything is whole
// pixels, worked out from plain values; nothing here draws.
namespace Lcd {

// Wide enough that no sum or product of the control's 32-bit properties overflows.
using Coord = std::int64_t;

// Segment numbers of a cell; also the columns of the glyph table and the entries of the drawing orders.
enum Segment : int {
    Top = 1,
    UpperLeft = 2,
    UpperRight = 3,
    Middle = 4,
    LowerLeft = 5,
    LowerRight = 6,
    Bottom = 7,
    Colon = 8,
};
constexpr int SegmentCount = 8;

// A set of segments, segment k in bit k - 1.
using SegmentSet = std::uint8_t;

constexpr SegmentSet segments(std::initializer_list<int> numbers)
{
    SegmentSet set = 0;
    for (int number : numbers)
        set = SegmentSet(set | 1u << (number - 1));
    return set;
}

constexpr bool contains(SegmentSet set, int segment)
{
    return segment >= 1 && segment <= SegmentCount && (set >> (segment - 1) & 1u);
}

// The lit segments of every glyph: 0-9, '-', ':', then 'A' to 'Z'. Several letters borrow the shape of a digit
// or of another letter.
constexpr int GlyphCount = 38;
constexpr std::array<SegmentSet, GlyphCount> Glyphs = {
    segments({ 1, 2, 3, 5, 6, 7 }), // 0
    segments({ 3, 6 }), // 1
    segments({ 1, 3, 4, 5, 7 }), // 2
    segments({ 1, 3, 4, 6, 7 }), // 3
    segments({ 2, 3, 4, 6 }), // 4
    segments({ 1, 2, 4, 6, 7 }), // 5
    segments({ 1, 2, 4, 5, 6, 7 }), // 6
    segments({ 1, 3, 6 }), // 7
    segments({ 1, 2, 3, 4, 5, 6, 7 }), // 8
    segments({ 1, 2, 3, 4, 6, 7 }), // 9
    segments({ 4 }), // -
    segments({ 8 }), // :
    segments({ 1, 2, 3, 4, 5, 6 }), // A
    segments({ 2, 4, 5, 6, 7 }), // B
    segments({ 1, 2, 5, 7 }), // C
    segments({ 3, 4, 5, 6, 7 }), // D
    segments({ 1, 2, 4, 5, 7 }), // E
    segments({ 1, 2, 4, 5 }), // F
    segments({ 1, 2, 4, 5, 6, 7 }), // G
    segments({ 2, 4, 5, 6 }), // H
    segments({ 3, 6 }), // I
    segments({ 3, 6, 7 }), // J
    segments({ 2, 3, 4, 5, 6 }), // K
    segments({ 2, 5, 7 }), // L
    segments({ 4, 5, 6 }), // M
    segments({ 4, 5, 6 }), // N
    segments({ 4, 5, 6, 7 }), // O
    segments({ 1, 2, 3, 4, 5 }), // P
    segments({ 1, 2, 3, 4, 6 }), // Q
    segments({ 4, 5 }), // R
    segments({ 1, 2, 4, 6, 7 }), // S
    segments({ 2, 4, 5 }), // T
    segments({ 2, 3, 5, 6, 7 }), // U
    segments({ 2, 3, 5, 6, 7 }), // V
    segments({ 2, 3, 5, 6, 7 }), // W
    segments({ 2, 3, 4, 5, 6 }), // X
    segments({ 2, 3, 4, 6 }), // Y
    segments({ 1, 3, 4, 5, 7 }), // Z
};
constexpr int BlankGlyph = 8;

struct Glyph
{
    int index = BlankGlyph;
    bool lit = false;
    bool operator==(const Glyph &) const = default;
};

// A blank is an unlit 8, so that it shows every segment in the off colour. A character outside the table shows
// as a lit 8.
constexpr Glyph glyphOf(QChar character)
{
    const char16_t c = character.unicode();
    if (c == u' ')
        return { BlankGlyph, false };
    if (c == u'-')
        return { 10, true };
    if (c >= u'0' && c <= u'9')
        return { c - u'0', true };
    if (c == u':')
        return { 11, true };
    if (c >= u'A' && c <= u'Z')
        return { 12 + (c - u'A'), true };
    return { BlankGlyph, true };
}

// Segment k of a cell is drawn in the on colour exactly when this holds; otherwise in the off colour.
constexpr bool segmentLit(Glyph glyph, int segment)
{
    return glyph.lit && contains(Glyphs[glyph.index], segment);
}

// The order in which the eight frames of a change draw the segments, for the animation kinds 1 to 5 (spiral, up,
// down, left, right). Kind 0, no animation, draws in the downward order.
constexpr int FrameCount = 8;
constexpr int AnimationKinds = 5;
constexpr int DownwardKind = 3;
constexpr std::array<std::array<int, FrameCount>, AnimationKinds> DrawingOrders = { {
    { 8, 4, 2, 1, 3, 6, 7, 5 },
    { 7, 6, 5, 8, 4, 3, 2, 1 },
    { 1, 2, 3, 8, 4, 5, 6, 7 },
    { 6, 3, 7, 8, 4, 1, 5, 2 },
    { 2, 5, 1, 8, 4, 7, 3, 6 },
} };

// The segment drawn in frame 1..8 by the animation kind 0..5.
constexpr int segmentOfFrame(int kind, int frame)
{
    const int row = kind >= 1 && kind <= AnimationKinds ? kind : DownwardKind;
    return DrawingOrders[row - 1][frame - 1];
}

// The properties of the control that shape its cells.
struct Settings
{
    int width = 0;
    int height = 0;
    int digitNum = 0;
    int digitSpacing = 0;
    int segmentSize = 0;
    int dotSpacing = 0;
    int gapX = 0;
    int gapY = 0;
    bool dotDisplay = false;
};

struct Point
{
    Coord x = 0;
    Coord y = 0;
    bool operator==(const Point &) const = default;
};

// A bounding box as (left, top, right, bottom), corners kept as computed: with a negative thickness the second
// corner lies above or left of the first. Drawn, it covers the pixels from the smaller coordinate up to but not
// including the larger one on each axis.
struct Box
{
    Coord left = 0;
    Coord top = 0;
    Coord right = 0;
    Coord bottom = 0;
    bool operator==(const Box &) const = default;
};

// A bar or post: its origin, its length along the cell and its signed thickness. A negative thickness grows
// upward (the bottom bar) or leftward (the right posts).
struct Placement
{
    Coord x = 0;
    Coord y = 0;
    Coord length = 0;
    Coord thickness = 0;
    bool operator==(const Placement &) const = default;
};

// The cell geometry of one drawing pass, named as on the drawing board: P the gap before each cell, CW and CH the
// cell's size, GX and GY the insets of the bars and posts, S the stroke, LH and LV the bar and post lengths and q
// the dot pitch of the dot-matrix style.
struct Layout
{
    // False when the properties give no cells to draw (no digits, or no dot pitch): only the background shows.
    bool drawable = false;
    bool dotted = false;
    Coord digitNum = 0;
    Coord P = 0, CW = 0, CH = 0, GX = 0, GY = 0, S = 0, LH = 0, LV = 0, q = 0;

    // The left edge of cell j, counted from 1.
    Coord cellLeft(Coord j) const { return (j - 1) * (P + CW) + P; }
};

Layout cellLayout(const Settings &settings);

// Where segment 1..7 of cell j sits.
Placement placement(const Layout &layout, int segment, Coord cell);

// The solid style: segment 1..7 of cell j as a closed polygon of seven points, the last repeating the first.
using Outline = std::array<Point, 7>;
Outline outline(const Layout &layout, int segment, Coord cell);

// The dot-matrix style: segment 1..7 of a cell as a row or column of dots at pitch q. Dots first .. last - 1 are
// drawn; an unlit segment leaves out a corner dot that a lit neighbour of its glyph shares.
struct DotRow
{
    Box origin;
    Coord stepX = 0;
    Coord stepY = 0;
    Coord count = 0;
    Coord first = 0;
    Coord last = 0;

    Box dot(Coord i) const
    {
        return { origin.left + i * stepX, origin.top + i * stepY, origin.right + i * stepX, origin.bottom + i * stepY };
    }
};
DotRow dotRow(const Layout &layout, int segment, Coord cell, int glyph);

// The two dots of the colon of cell j, the upper one first; the same in both styles.
std::array<Box, 2> colonDots(const Layout &layout, Coord cell);

// The decimal point in the gap to the left of cell j: a rectangle in the solid style, a dot in the dot-matrix style.
Box decimalPoint(const Layout &layout, Coord position);

// The cells first .. last (counted from 1; none when last < first) that can put a pixel into a picture of the
// given width. Far more cells than a picture has columns would only overdraw one another: the range is cut to
// the last MaxDrawnCells of them.
struct CellRange
{
    Coord first = 1;
    Coord last = 0;
    bool operator==(const CellRange &) const = default;
};
constexpr Coord MaxDrawnCells = 4096;
CellRange visibleCells(const Layout &layout, Coord width);

// The dots of a row, within first .. last, that can put a pixel into a picture of the given size.
struct DotRange
{
    Coord first = 0;
    Coord last = 0;
};
DotRange visibleDots(const DotRow &row, Coord width, Coord height);

} // namespace Lcd
