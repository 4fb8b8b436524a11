#include "look/windowlook.h"

#include "look/artwork.h"
#include "look/gamefont.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>

void applyWindowLook(QWidget *window)
{
    window->setFont(gameFont());
    shareProgramIcon();
    applyButtonFace(window);
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

void centreOnScreen(QWidget *window)
{
    if (const QScreen *screen = window->screen())
        window->move(screen->availableGeometry().center() - window->rect().center());
}
