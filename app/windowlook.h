#pragma once

class QWidget;

// What the game's three windows share: the game's font, the button face behind the controls and the program icon.
void applyWindowLook(QWidget *window);
