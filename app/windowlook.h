#pragma once

class QWidget;

// What the game's windows share: the game's font, the button face behind the controls and the program icon.
void applyWindowLook(QWidget *window);

// Places a top-level window in the middle of the free area of its screen.
void centreOnScreen(QWidget *window);
