#include "controls/lcdgeometry.h"

#include <algorithm>

namespace Lcd {

namespace {

// Quotients that round toward minus and plus infinity; the cell formulas themselves truncate toward zero,
// which is C++'s own division.
Coord floorDiv(Coord n, Coord d)
{
    const Coord quotient = n / d;
    return (n % d != 0 && (n < 0) != (d < 0)) ? quotient - 1 : quotient;
}

Coord ceilDiv(Coord n, Coord d)
{
    return -floorDiv(-n, d);
}

// n / d rounded to the nearest integer, halves to the even neighbour, for d > 0.
Coord roundHalfEven(Coord n, Coord d)
{
    const Coord quotient = floorDiv(n, d);
    const Coord twiceRest = 2 * (n - quotient * d);
    if (twiceRest > d || (twiceRest == d && quotient % 2 != 0))
        return quotient + 1;
    return quotient;
}

constexpr bool isBar(int segment)
{
    return segment == Top || segment == Middle || segment == Bottom;
}

// Which lit neighbours make an unlit segment leave out its first and its last dot: the corner is theirs.
struct CornerRule
{
    SegmentSet first;
    SegmentSet last;
};
constexpr std::array<CornerRule, 7> CornerRules = { {
    { segments({ 2 }), segments({ 3 }) }, // top
    { segments({ 1 }), segments({ 4, 5 }) }, // upper left
    { segments({ 1 }), segments({ 4, 6 }) }, // upper right
    { segments({ 2, 5 }), segments({ 3, 6 }) }, // middle
    { segments({ 2, 4 }), segments({ 7 }) }, // lower left
    { segments({ 3, 4 }), segments({ 7 }) }, // lower right
    { segments({ 5 }), segments({ 6 }) }, // bottom
} };

struct Span
{
    Coord low;
    Coord high;

    void take(Coord a, Coord b)
    {
        low = std::min({ low, a, b });
        high = std::max({ high, a, b });
    }
};

// The columns that everything cell 1 draws can reach, glyph 8 standing for the glyph that draws every dot.
Span cellSpan(const Layout &layout)
{
    const Coord left = layout.cellLeft(1);
    Span span { left, left };
    for (int segment = Top; segment < Colon; ++segment) {
        if (layout.dotted) {
            const DotRow row = dotRow(layout, segment, 1, BlankGlyph);
            if (row.count > 0) {
                const Box first = row.dot(0);
                const Box last = row.dot(row.count - 1);
                span.take(first.left, first.right);
                span.take(last.left, last.right);
            }
        } else {
            for (const Point &point : outline(layout, segment, 1))
                span.take(point.x, point.x);
        }
    }
    for (const Box &dot : colonDots(layout, 1))
        span.take(dot.left, dot.right);
    const Box point = decimalPoint(layout, 1);
    span.take(point.left, point.right);
    return span;
}

} // namespace

Layout cellLayout(const Settings &settings)
{
    Layout layout;
    layout.dotted = settings.dotDisplay;
    layout.digitNum = settings.digitNum;
    layout.S = settings.segmentSize;
    const Coord width = settings.width;
    const Coord height = settings.height;
    const Coord digits = settings.digitNum;
    const Coord spacing = settings.digitSpacing;
    if (digits <= 0)
        return layout;

    if (settings.dotDisplay) {
        // A pitch below 1 gives no dot rows: the dots would never advance along a segment.
        layout.q = layout.S + settings.dotSpacing;
        if (layout.q <= 0)
            return layout;
        layout.P = spacing;
        const Coord nx = ((width - 1) / digits - layout.P + settings.dotSpacing) / layout.q;
        layout.CW = layout.q * nx - settings.dotSpacing;
        const Coord ny = ((height - 1 - layout.S) / 2) / layout.q;
        layout.CH = 2 * layout.q * ny + layout.S;
    } else {
        layout.P = spacing + 1;
        layout.CW = ((width - 1 - layout.P) - digits * layout.P) / digits;
        layout.CH = height - 1;
        layout.GX = settings.gapX;
        layout.GY = settings.gapY;
    }
    layout.LH = layout.CW - 2 * layout.GX;
    layout.LV = layout.CH / 2 - 2 * layout.GY;
    layout.drawable = true;
    return layout;
}

Placement placement(const Layout &layout, int segment, Coord cell)
{
    const Coord x = layout.cellLeft(cell);
    const Coord middle = layout.CH / 2;
    const Coord lowerTop = layout.dotted ? middle - layout.S / 2 : middle + layout.GY;
    switch (segment) {
    case Top:
        return { x + layout.GX, 0, layout.LH, layout.S };
    case Bottom:
        return { x + layout.GX, layout.CH, layout.LH, -layout.S };
    case Middle:
        return { x + layout.GX, middle - layout.S / 2, layout.LH, layout.S };
    case UpperLeft:
        return { x, layout.GY, layout.LV, layout.S };
    case UpperRight:
        return { x + layout.CW, layout.GY, layout.LV, -layout.S };
    case LowerLeft:
        return { x, lowerTop, layout.LV, layout.S };
    case LowerRight:
        return { x + layout.CW, lowerTop, layout.LV, -layout.S };
    }
    return {};
}

Outline outline(const Layout &layout, int segment, Coord cell)
{
    const auto [X, Y, L, T] = placement(layout, segment, cell);
    const Coord S = layout.S;
    // Outer bars and posts are cut at S div 2 on their outer edge and at S on their inner edge, with the tip a
    // quarter of the thickness in; the middle bar is cut at S on both edges, with its tip at half the thickness.
    if (segment == Middle) {
        const Coord m = Y + roundHalfEven(T, 2);
        return { { { X, m }, { X + S, Y }, { X + L - S, Y }, { X + L, m }, { X + L - S, Y + T }, { X + S, Y + T },
            { X, m } } };
    }
    if (isBar(segment)) {
        const Coord m = Y + roundHalfEven(T, 4);
        return { { { X, m }, { X + S / 2, Y }, { X + L - S / 2, Y }, { X + L, m }, { X + L - S, Y + T },
            { X + S, Y + T }, { X, m } } };
    }
    const Coord m = X + roundHalfEven(T, 4);
    return { { { m, Y }, { X, Y + S / 2 }, { X, Y + L - S / 2 }, { m, Y + L }, { X + T, Y + L - S }, { X + T, Y + S },
        { m, Y } } };
}

DotRow dotRow(const Layout &layout, int segment, Coord cell, int glyph)
{
    const auto [X, Y, L, T] = placement(layout, segment, cell);
    DotRow row;
    if (isBar(segment)) {
        row.origin = { X, Y, X + layout.S, Y + T };
        row.stepX = layout.q;
    } else {
        row.origin = { X, Y, X + T, Y + layout.S };
        row.stepY = layout.q;
    }
    row.count = L > 0 && layout.q > 0 ? (L + layout.q - 1) / layout.q : 0;
    row.last = row.count;

    const SegmentSet lit = Glyphs[glyph];
    if (!contains(lit, segment)) {
        const CornerRule &rule = CornerRules[segment - 1];
        if (lit & rule.first)
            row.first = 1;
        if (lit & rule.last)
            row.last = row.count - 1;
        row.last = std::max(row.first, row.last);
    }
    return row;
}

std::array<Box, 2> colonDots(const Layout &layout, Coord cell)
{
    const Coord w = layout.LH / 3;
    const Coord h = layout.LV / 3;
    const Coord x = layout.cellLeft(cell) + (layout.CW - w) / 2;
    const Coord middle = layout.CH / 2;
    return { { { x, middle - 2 * h, x + w, middle - h }, { x, middle + h, x + w, middle + 2 * h } } };
}

Box decimalPoint(const Layout &layout, Coord position)
{
    const Coord D = std::min(layout.S, layout.P - 2);
    const Coord x = layout.cellLeft(position) - (layout.P + D) / 2;
    return { x, layout.CH - D, x + D, layout.CH };
}

CellRange visibleCells(const Layout &layout, Coord width)
{
    if (!layout.drawable)
        return {};
    // Cell j draws cell 1's shapes moved right by (j - 1) * pitch; it shows when that shift keeps some column of
    // them within the picture. One column of slack on each side covers the outline's rounding.
    const Span span = cellSpan(layout);
    const Coord pitch = layout.P + layout.CW;
    const Coord lowShift = -1 - span.high;
    const Coord highShift = width - span.low;
    Coord first = 0;
    Coord last = layout.digitNum - 1;
    if (pitch > 0) {
        first = std::max(first, ceilDiv(lowShift, pitch));
        last = std::min(last, floorDiv(highShift, pitch));
    } else if (pitch < 0) {
        first = std::max(first, ceilDiv(-highShift, -pitch));
        last = std::min(last, floorDiv(-lowShift, -pitch));
    } else if (lowShift > 0 || highShift < 0) {
        return {};
    }
    if (last < first)
        return {};
    first = std::max(first, last - MaxDrawnCells + 1);
    return { first + 1, last + 1 };
}

DotRange visibleDots(const DotRow &row, Coord width, Coord height)
{
    const bool across = row.stepX != 0;
    const Coord step = across ? row.stepX : row.stepY;
    const Coord low
        = across ? std::min(row.origin.left, row.origin.right) : std::min(row.origin.top, row.origin.bottom);
    const Coord high
        = across ? std::max(row.origin.left, row.origin.right) : std::max(row.origin.top, row.origin.bottom);
    const Coord fixedLow
        = across ? std::min(row.origin.top, row.origin.bottom) : std::min(row.origin.left, row.origin.right);
    const Coord fixedHigh
        = across ? std::max(row.origin.top, row.origin.bottom) : std::max(row.origin.left, row.origin.right);
    const Coord along = across ? width : height;
    const Coord fixedExtent = across ? height : width;
    if (step <= 0 || fixedHigh <= 0 || fixedLow >= fixedExtent)
        return { row.first, row.first };
    // Dot i covers low + i * step up to high + i * step, which must overlap 0 .. along.
    const Coord first = std::max(row.first, floorDiv(-high, step) + 1);
    const Coord last = std::min(row.last, ceilDiv(along - low, step));
    return { first, std::max(first, last) };
}

} // namespace Lcd
