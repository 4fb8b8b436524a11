#include "app/windowlook.h"

#include "app/artwork.h"
#include "app/gamefont.h"

#include <QWidget>

void applyWindowLook(QWidget *window)
{
    window->setFont(gameFont());
    window->setWindowIcon(Artwork::programIcon());
    QPalette background = window->palette();
    background.setColor(QPalette::Window, background.color(QPalette::Button));
    window->setPalette(background);
    window->setAutoFillBackground(true);
}
