#pragma once

class QWidget;

// Tells the compositor that a shown window is a modal dialog of the window it is transient for, where Qt cannot.
// GNOME's mutter centres such a dialog over that window, while it places any other window by first fit from the
// top left of the screen; it learns of modality only through GNOME's own gtk_shell1 protocol, which Qt 6.4 does
// not speak. Elsewhere (X11, other compositors) this does nothing: they take the transient parent alone.
// Call it right after show(), before the event loop paints the window: the compositor places a window when it is
// first drawn.
void declareModalDialog(QWidget *dialog);
