#pragma once

#include <QSize>

#include <functional>

class QWidget;

// What a top-level window is to the desktop. A window states its role once, when it is made; the platform layer
// then does what that role needs on X11 and on each Wayland compositor, each at its moment (when the window is
// shown, when it is first exposed and before its first picture), so that no window calls things in an order of
// its own.
enum class WindowRole {
    // Centred on the screen, out of the task bar and the window switcher.
    Splash,
    // Centred on the screen.
    MainWindow,
    // Modal to the window it is transient for; centred the first time it is shown, then where the player left it.
    ModalDialog,
    // Beside the game, over the middle of the window it is transient for.
    Help,
};

namespace Platform {

// A valid fixedSize is the window's one size for good: its minimum and maximum, so that window managers and
// compositors neither resize nor maximise it; where a title bar offers to maximise it all the same (Qt's own on
// Wayland), the maximised state is turned back at once.
void setRole(QWidget *window, WindowRole role, QSize fixedSize = QSize());

// Calls placed once the window stands where it stays: at once where the program places its windows (X11), once
// the compositor has shown it where the compositor does.
void whenPlaced(QWidget *window, std::function<void()> placed);

} // namespace Platform
