#pragma once

#include <QApplication>
#include <QWidget>

// The window tests run a second time on a headless Weston: a real Wayland compositor, but one without a seat (no
// keyboard, no pointer). So it activates no window, and, as on any Wayland compositor, no client may place its
// windows on the screen or move the pointer.
namespace SeatlessCompositor {

inline bool running()
{
    return QGuiApplication::platformName() == QLatin1String("wayland");
}

// Activates the window there, as the compositor would when the player clicks it or starts typing into it; other
// window systems activate a window that is shown by themselves.
inline void activate(QWidget *window)
{
    if (running() && window->isVisible() && QApplication::activeWindow() != window)
        QApplication::setActiveWindow(window);
}

} // namespace SeatlessCompositor
