#pragma once

#include "controls/lcdgeometry.h"

#include <QColor>
#include <QImage>
#include <QPainter>

// Draws the shapes of the seven-segment display into a picture in whole pixels: a polygon covers its inside and
// its one-pixel outline, a box covers the pixels from its smaller corner up to, not including, its larger one, and
// an ellipse fills its box. Brush and pen take the colour of each shape.
//
// The shapes are given in the display's pixels. A picture of a higher device pixel ratio gets them at its own
// resolution: the same shapes with finer edges, the one-pixel outline one of the picture's pixels.
class LcdCanvas
{
public:
    explicit LcdCanvas(QImage &picture);

    // Segment 1..8 of cell j of a cell showing `glyph`, which decides the shared corner dots of the dot-matrix
    // style.
    void drawSegment(const Lcd::Layout &layout, int segment, Lcd::Coord cell, int glyph, const QColor &colour);
    void drawDecimalPoint(const Lcd::Layout &layout, Lcd::Coord position, const QColor &colour);

    // Whether edges are smoothed, as on a picture of a fractional pixel ratio. A smoothed edge blends with what
    // lay beneath, so a shape drawn over another leaves a trace of it along its edge.
    bool smoothed() const;
    // Fills the box of cell j, up to the gaps where the decimal points lie.
    void clearCell(const Lcd::Layout &layout, Lcd::Coord cell, const QColor &background);

private:
    void setColour(const QColor &colour);
    void polygon(const Lcd::Outline &outline);
    void box(const Lcd::Box &box, const QColor &colour);
    void ellipse(const Lcd::Box &box, const QColor &colour);

    QPainter m_painter;
    Lcd::Coord m_width;
    Lcd::Coord m_height;
    qreal m_ratio;
    QRgb m_colour = 0;
    bool m_colourSet = false;
};
