#include "controls/image.h"

#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>

#include <utility>

TImage::TImage(QWidget *parent)
    : QWidget(parent)
{
}

const QImage &TImage::Picture() const
{
    if (m_source) {
        m_picture = std::exchange(m_source, nullptr)();
        makeShown();
    }
    return m_picture;
}

void TImage::setPicture(const QImage &picture)
{
    m_source = nullptr;
    m_picture = picture;
    refreshShown();
}

void TImage::setPictureSource(std::function<QImage()> source)
{
    m_source = std::move(source);
    m_picture = QImage();
    m_shown = QImage();
    update();
}

void TImage::setTransparent(bool transparent)
{
    if (m_transparent == transparent)
        return;
    m_transparent = transparent;
    if (!m_source)
        refreshShown();
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

void TImage::refreshShown()
{
    makeShown();
    update();
}

void TImage::makeShown() const
{
    if (!m_transparent || m_picture.isNull()) {
        m_shown = m_picture;
        return;
    }
    // Premultiplied is the form the screen takes, so painting needs no conversion; an opaque pixel reads the
    // same either way.
    QImage keyed = m_picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QRgb key = keyColor(m_picture).rgb();
    for (int y = 0; y < keyed.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x) {
            if (line[x] == key)
                line[x] = qRgba(0, 0, 0, 0);
        }
    }
    m_shown = std::move(keyed);
}

void TImage::paintEvent(QPaintEvent *)
{
    Picture();
    if (m_shown.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(0, 0, m_shown);
}

void TImage::mousePressEvent(QMouseEvent *event)
{
    m_doubleClickPress = false;
    QWidget::mousePressEvent(event);
}

void TImage::mouseDoubleClickEvent(QMouseEvent *event)
{
    // A picture asks for double clicks: the second press of one arrives here instead of as a press. A player who
    // double-clicks a book means one click, and the book that has just dropped into its place must not pay for it.
    m_doubleClickPress = event->button() == Qt::LeftButton;
}

void TImage::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (std::exchange(m_doubleClickPress, false))
        return;
    if (rect().contains(event->position().toPoint()))
        emit clicked(this);
}
