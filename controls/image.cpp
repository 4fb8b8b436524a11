#include "controls/image.h"

#include "controls/accessibility.h"
#include "controls/clickkey.h"

#include <QKeyEvent>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>

#include <utility>

TImage::TImage(QWidget *parent)
    : QWidget(parent)
{
    describeControlsToAssistiveTools();
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

void TImage::keyPressEvent(QKeyEvent *event)
{
    if (!isClickKey(*event) || !isClickable()) {
        QWidget::keyPressEvent(event);
        return;
    }
    // A held key repeats; each repeat would be a click of its own.
    if (!event->isAutoRepeat())
        click();
}

void TImage::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked(this);
}
