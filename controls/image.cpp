#include "controls/image.h"

#include <QBitmap>
#include <QMouseEvent>
#include <QPainter>

TImage::TImage(QWidget *parent)
    : QWidget(parent)
{
}

void TImage::setPicture(const QImage &picture)
{
    m_picture = picture;
    rebuildPixmap();
}

void TImage::setTransparent(bool transparent)
{
    if (m_transparent == transparent)
        return;
    m_transparent = transparent;
    rebuildPixmap();
}

QColor TImage::keyColor(const QImage &picture)
{
    if (picture.isNull())
        return {};
    return picture.pixelColor(0, picture.height() - 1);
}

void TImage::rebuildPixmap()
{
    m_pixmap = QPixmap::fromImage(m_picture);
    if (m_transparent && !m_picture.isNull()) {
        const QImage rgb = m_picture.convertToFormat(QImage::Format_RGB32);
        m_pixmap.setMask(QBitmap::fromImage(rgb.createMaskFromColor(keyColor(m_picture).rgb(), Qt::MaskOutColor)));
    }
    update();
}

void TImage::paintEvent(QPaintEvent *)
{
    if (m_pixmap.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_pixmap);
}

void TImage::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked(this);
}
