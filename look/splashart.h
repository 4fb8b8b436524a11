#pragma once

#include <QPoint>
#include <QPointF>
#include <QRectF>
#include <QtGui/qrgb.h>

#include <array>

// Where the title art's pieces lie, in window coordinates, for the asset generator that draws them and for the
// lettering of their words (look/inscriptions.h).
namespace SplashArt {

// The title art lies one pixel left of and two above the window's corner, so window point p shows art pixel
// p - ArtOrigin.
constexpr QPoint ArtOrigin {-1, -2};

// The stack lies in an oblique view: each book's spine runs along Along, its end recedes along Depth.
constexpr QPointF Along(121, 54);
constexpr QPointF Depth(27, -18);

struct StackBook
{
    double left;
    double top; // the spine's upper edge at the left end
    double thickness;
    QRgb cloth;
    bool titled; // whether its spine carries a name (Inscriptions::splashWords gives them from the top down)
};

constexpr std::array<StackBook, 5> Stack {{
    {9, 158, 22, qRgb(30, 86, 54), true},
    {9, 180, 19, qRgb(122, 30, 42), true},
    {8, 199, 13, qRgb(160, 110, 36), false},
    {9, 212, 16, qRgb(32, 50, 104), true},
    {8, 228, 13, qRgb(92, 42, 92), false},
}};

// The upright book, leaning a degree: its top-left corner, width and the height of what shows above the stack.
constexpr QPointF UprightCorner(53, 3);
constexpr double UprightWidth = 78.5;
constexpr double UprightHeight = 200;
constexpr double UprightLean = 0.0150;
// The gilt frame on its cover, in the cover's own coordinates, and the two lines of its name inside it.
constexpr QRectF UprightFrame(13, 8, UprightWidth - 19, 180);
constexpr double UprightNameTop = 18;
constexpr double UprightNameLine = 15;
constexpr double UprightNameHeight = 16;
constexpr QRgb UprightRelief = qRgb(50, 8, 12);

// The title, the flourish under it, and under that the line of what the game is about in two lines.
constexpr QRectF TitleBand(140, 28, 176, 64);
constexpr double FlourishY = 28 + 64 + 8;
constexpr double AboutTop = FlourishY + 8;
constexpr double AboutLine = 20;
constexpr double AboutHeight = 22;
constexpr int AboutPixelSize = 17;
constexpr QRgb AboutInk = qRgb(90, 56, 32);

constexpr QRgb Gilt = qRgb(226, 188, 96);
constexpr QRgb TitleInk = qRgb(104, 22, 30);
// The faded verses on the sheet, round a drop capital two lines high.
constexpr QRectF VerseArea(166, 160, 146, 112);
constexpr QRgb VerseInk = qRgb(112, 78, 50);
constexpr int VersePixelSize = 12;
constexpr int CapitalPixelSize = 30;

} // namespace SplashArt
