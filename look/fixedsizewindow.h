#pragma once

class QSize;
class QWidget;

// Gives a top-level window one size for good. Its minimum and maximum are that size, which tells window managers
// and compositors that it can be neither resized nor maximised. Where a title bar offers to maximise it all the
// same (Qt's own title bar on Wayland does), the maximised state is turned back at once: the window has nothing to
// fill the screen with. Where Qt draws that title bar, the compositor is told the size with it.
void fixWindowSize(QWidget *window, QSize size);
