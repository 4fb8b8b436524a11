#pragma once

class QWidget;

// Paints a shown top-level window on the screen at once, before the event loop runs. A window system such as
// X11 exposes a new window only some moments after it was mapped, and Qt paints nothing before that; so this
// first waits, briefly and with input held back, for the window to be exposed, then repaints it.
void paintNow(QWidget *window);
