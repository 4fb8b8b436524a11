#include "controls/image.h"

#include <QMetaMethod>
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

bool TImage::isClickable() const
{
    return isSignalConnected(QMetaMethod::fromSignal(&TImage::clicked));
}

QColor TImage::keyColor(const QImage &picture)
{
    if (picture.isNull())
        return {};
    return picture.pixelColor(0, picture.height() - 1);
}

void TImage::rebuildPixmap()
{
    if (!m_transparent || m_picture.isNull()) {
        m_pixmap = QPixmap::fromImage(m_picture);
        update();
        return;
    }
    QImage keyed = m_picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = keyColor(m_picture).rgb();
    for (int y = 0; y < keyed.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x) {
            if (line[x] == key)
                line[x] = qRgba(0, 0, 0, 0);
        }
    }
    m_pixmap = QPixmap::fromImage(keyed);
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
