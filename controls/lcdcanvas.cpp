#include "controls/lcdcanvas.h"

#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace {

struct Extent
{
    Lcd::Coord left, top, width, height;
};

Extent normalised(const Lcd::Box &box)
{
    const Lcd::Coord left = std::min(box.left, box.right);
    const Lcd::Coord top = std::min(box.top, box.bottom);
    return { left, top, std::max(box.left, box.right) - left, std::max(box.top, box.bottom) - top };
}

} // namespace

LcdCanvas::LcdCanvas(QImage &picture)
    : m_painter(&picture)
    , m_width(Lcd::Coord(std::lround(picture.deviceIndependentSize().width())))
    , m_height(Lcd::Coord(std::lround(picture.deviceIndependentSize().height())))
    , m_ratio(picture.devicePixelRatio())
{
    // Whole pixels only: every pixel of a shape is the shape's colour or left as it was. On a screen of a
    // fractional pixel ratio the shapes' edges fall between the screen's pixels and are smoothed instead.
    m_painter.setRenderHint(QPainter::Antialiasing, smoothed());
}

void LcdCanvas::drawSegment(const Lcd::Layout &layout, int segment, Lcd::Coord cell, int glyph, const QColor &colour)
{
    if (segment == Lcd::Colon) {
        for (const Lcd::Box &dot : Lcd::colonDots(layout, cell))
            ellipse(dot, colour);
    } else if (layout.dotted) {
        const Lcd::DotRow row = Lcd::dotRow(layout, segment, cell, glyph);
        const Lcd::DotRange range = Lcd::visibleDots(row, m_width, m_height);
        for (Lcd::Coord i = range.first; i < range.last; ++i)
            ellipse(row.dot(i), colour);
    } else {
        setColour(colour);
        polygon(Lcd::outline(layout, segment, cell));
    }
}

bool LcdCanvas::smoothed() const
{
    return m_ratio != std::floor(m_ratio);
}

void LcdCanvas::clearCell(const Lcd::Layout &layout, Lcd::Coord cell, const QColor &background)
{
    const Lcd::Coord left = layout.cellLeft(cell);
    box({ left - 1, 0, left + layout.CW + 2, layout.CH + 1 }, background);
}

void LcdCanvas::drawDecimalPoint(const Lcd::Layout &layout, Lcd::Coord position, const QColor &colour)
{
    const Lcd::Box point = Lcd::decimalPoint(layout, position);
    if (layout.dotted)
        ellipse(point, colour);
    else
        box(point, colour);
}

void LcdCanvas::setColour(const QColor &colour)
{
    // The stored colours carry no transparency: a segment covers what lay beneath.
    const QRgb rgb = colour.rgb();
    if (m_colourSet && rgb == m_colour)
        return;
    m_colour = rgb;
    m_colourSet = true;
    QPen pen { QColor(rgb), 0 };
    pen.setCosmetic(true);
    m_painter.setPen(pen);
    m_painter.setBrush(QColor(rgb));
}

void LcdCanvas::polygon(const Lcd::Outline &outline)
{
    // Unsmoothed and outlined by a cosmetic pen one pixel wide, the polygon covers the pixels of its inside and
    // every pixel its outline passes through, as a polygon filled and outlined with a one-pixel pen does on a GDI
    // canvas: the tips and cuts keep their sizes to the pixel. A wider pen would spill beyond the outline, and
    // no pen would lose the right and bottom edges. Qt's stroker drops the pixel where two steep edges meet at
    // the lower tip of the left posts, so the corners are set once more.
    std::array<QPointF, 6> corners;
    for (std::size_t i = 0; i < corners.size(); ++i)
        corners[i] = QPointF(qreal(outline[i].x), qreal(outline[i].y));
    m_painter.drawPolygon(corners.data(), int(corners.size()), Qt::OddEvenFill);
    m_painter.drawPoints(corners.data(), int(corners.size()));
}

void LcdCanvas::box(const Lcd::Box &box, const QColor &colour)
{
    // Cut to the picture first: a box can lie far beyond what QRect holds.
    const Extent e = normalised(box);
    const Lcd::Coord left = std::max<Lcd::Coord>(e.left, 0);
    const Lcd::Coord top = std::max<Lcd::Coord>(e.top, 0);
    const Lcd::Coord right = std::min(e.left + e.width, m_width);
    const Lcd::Coord bottom = std::min(e.top + e.height, m_height);
    if (right <= left || bottom <= top)
        return;
    m_painter.fillRect(QRect(int(left), int(top), int(right - left), int(bottom - top)), QColor(colour.rgb()));
}

void LcdCanvas::ellipse(const Lcd::Box &box, const QColor &colour)
{
    const Extent e = normalised(box);
    if (e.width == 0 || e.height == 0 || e.left >= m_width || e.top >= m_height || e.left + e.width <= 0
        || e.top + e.height <= 0)
        return;
    // Two pixels or fewer across, an ellipse fills its box.
    if (e.width <= 2 || e.height <= 2) {
        this->box(box, colour);
        return;
    }
    // The pen outlines the rectangle it is given on the pixels right of and below its edges, so a rectangle one
    // pixel smaller than the box covers exactly the box's pixels.
    setColour(colour);
    m_painter.drawEllipse(QRectF(qreal(e.left), qreal(e.top), qreal(e.width - 1), qreal(e.height - 1)));
}
