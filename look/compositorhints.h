#pragma once

#include <functional>

class QWidget;

// Tells a Wayland compositor what Qt 6.4 cannot say for a window, through the desktops' own protocols on Qt's
// connection. Elsewhere (X11, a compositor without the protocol) these do nothing. Call them right after show(),
// before the event loop paints the window: a compositor places a window when it is first drawn.

// The window is a modal dialog of the window it is transient for. GNOME's mutter centres such a dialog over that
// window, while it places any other window by first fit from the top left of the screen; it learns of modality only
// through GNOME's gtk_shell1.
void declareModalDialog(QWidget *dialog);

// The window is placed as the compositor places a dialog: in the middle of the screen, or over the window it is
// transient for. mutter learns it by the window being modal until it has been placed; then it is ordinary again.
// Calls placed, if given, once the compositor has placed the window: a window to stand over this one waits for it.
void askToBeCentred(QWidget *window, std::function<void()> placed = {});

// Tells the compositor the fixed size of a window with the title bar Qt draws where the compositor draws none. Qt 6.4
// gives the size without it, and mutter takes that for a window too large for its bounds: it shrinks the window and
// shows it unplaced in the corner of the screen for a moment. Call once the window is exposed (its title bar is
// there then) and before its first picture.
void declareWholeFixedSize(QWidget *window);

// The window is not to be listed in the task bar or the window switcher (Alt+Tab), as a splash screen is not. KDE's
// KWin takes this through org_kde_plasma_shell, which it offers to programs whose desktop entry names it.
void keepOutOfWindowLists(QWidget *window);
