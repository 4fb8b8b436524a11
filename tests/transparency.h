#pragma once

#include "controls/image.h"

#include <QColor>
#include <QPalette>
#include <QWidget>

// Paints a window all in one colour, so that whatever a transparent picture on it leaves out shows that colour.
inline void paintBackdrop(QWidget &window, const QColor &colour)
{
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, colour);
    window.setPalette(palette);
    window.setAutoFillBackground(true);
}

// A picture control on the window that leaves out the picture's key colour.
inline TImage *transparentPicture(QWidget &window, const QRect &geometry, const QImage &picture)
{
    auto *image = new TImage(&window);
    image->setGeometry(geometry);
    image->setPicture(picture);
    image->setTransparent(true);
    return image;
}
