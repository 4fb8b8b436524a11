#pragma once

#include <QMargins>
#include <QSize>

class QWidget;

// A window larger than the screen's room for it keeps its layout and scrolls: its client area shrinks to the room
// and a scroll area shows the whole, its buttons reached by scrolling or by the keyboard.
namespace WindowFit {

struct Fit
{
    QSize size; // the client area the window takes
    bool scrolls = false; // whether its content scrolls within it
};

// The client area of a window whose whole content is `content`, where `room` is the screen's available area less
// the window's frame: the content's own size while it fits, else the room, with the width (or height) of a scroll
// bar beside the content where one is needed and there is room for it. Never below `Smallest` in either direction,
// so that a screen too small for anything still shows a window that scrolls.
Fit fit(QSize content, QSize room, int scrollBarExtent);

constexpr QSize Smallest {160, 120};

// The frame a window manager puts round a window before the window has been framed and its frame is known: a
// title bar and thin borders.
constexpr QMargins UsualFrame {4, 32, 4, 4};

// The window's frame as the window manager drew it when it was shown before, or the usual one.
QMargins frameOf(const QWidget *window);

// Fits a window of fixed client size `content` into the available area of its screen, as fit() says: a window that
// must scroll has its controls moved into a scroll area; one that fits again is shown whole. Called as it is shown.
void fitToScreen(QWidget *window, QSize content);

} // namespace WindowFit
