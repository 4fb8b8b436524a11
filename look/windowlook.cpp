#include "look/windowlook.h"

#include "look/artwork.h"
#include "look/gamefont.h"

#include <QApplication>
#include <QWidget>

void applyWindowLook(QWidget *window)
{
    shareGameFont();
    window->setFont(gameFont());
    shareProgramIcon();
    applyButtonFace(window);
}

void shareGameFont()
{
    // The application's font as well as each window's own: what Qt lays out before a widget has taken its
    // window's font (a line edit lays out its empty text in its constructor) then finds the game's font too, and
    // the system's default font is never opened.
    const QFont font = gameFont();
    if (QApplication::font() != font)
        QApplication::setFont(font);
}

void applyButtonFace(QWidget *window)
{
    QPalette background = window->palette();
    background.setColor(QPalette::Window, background.color(QPalette::Button));
    window->setPalette(background);
    window->setAutoFillBackground(true);
}

void shareProgramIcon()
{
    if (QApplication::windowIcon().isNull())
        QApplication::setWindowIcon(Artwork::programIcon());
}
