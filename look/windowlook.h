#pragma once

#include <QColor>

class QWidget;

// The gilt of the books' lettering, in which the game marks what the player should see: the keyboard's ring, the
// pause's plate, the new high score's row.
inline constexpr QColor Gilt {232, 185, 49};

// What the game's windows share: the game's font, the button face behind the controls and the program icon.
void applyWindowLook(QWidget *window);

// Makes the game's font the application's font. It is set up (fontconfig, the bundled font files) the first time
// it is asked for.
void shareGameFont();

// The button face behind the controls alone.
void applyButtonFace(QWidget *window);

// Gives every window the program icon through the application. Decoding the icon's sizes costs more than
// building a window, so it is done once, when the first window asks for it.
void shareProgramIcon();
