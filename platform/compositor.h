#pragma once

#include <functional>

class QWidget;

// What a window tells a Wayland compositor past Qt 6.4, through the desktops' own protocols on Qt's connection.
// Elsewhere (X11, a compositor without the protocol) each does nothing. Each is called once the window is exposed
// and before its first picture: a compositor places a window when it first draws it. Only the window roles use
// these (see WindowRole).
namespace Compositor {

// Whether the compositor places windows itself (Wayland), so that a window's own move means nothing.
bool placesWindows();

// GNOME's mutter centres a modal dialog over the window it is transient for, and places any other window by first
// fit from the top left of the screen; it learns of modality only through GNOME's gtk_shell1.
void declareModal(QWidget *window);

// The window stands where mutter puts a dialog (in the middle of the screen, or over the window it is transient
// for): it is modal until mutter has drawn it, and so placed it, then ordinary again. Calls placed then; false,
// with placed never called, where there is nothing to wait for.
bool centreLikeADialog(QWidget *window, std::function<void()> placed);

// Qt 6.4 gives xdg-shell the size of a window of fixed size without the title bar it draws itself, where the
// compositor draws none; mutter takes the window for too large for its bounds, shrinks it and shows it unplaced in
// the corner of the screen for a moment. The whole size is sent again, title bar and all.
void declareWholeFixedSize(QWidget *window);

// KDE's KWin keeps the window out of the task bar and the window switcher (Alt+Tab), as a splash screen is kept,
// through org_kde_plasma_shell, which it offers to programs whose desktop entry names it.
void keepOutOfWindowLists(QWidget *window);

} // namespace Compositor
