#include "controls/image.h"

#include "controls/accessibility.h"
#include "controls/clickkey.h"
#include "controls/doubleclickjudge.h"

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
    if (m_picture.isNull() && m_source) {
        m_picture = m_source();
        if (m_shown.isNull())
            makeShown();
    }
    return m_picture;
}

void TImage::makeShownFromSource() const
{
    if (!m_shown.isNull() || !m_source)
        return;
    // Only the keyed copy of a transparent picture is painted; the picture itself can be made again if asked for.
    // Made for the paint, it is keyed where it is decoded rather than copied.
    if (m_transparent && m_picture.isNull()) {
        m_shown = RatioPicture::keyed(m_source());
        return;
    }
    if (m_picture.isNull())
        m_picture = m_source();
    makeShown();
    if (m_transparent)
        m_picture = QImage();
}

void TImage::setPicture(const QImage &picture, std::function<QImage()> doubleSize)
{
    m_source = nullptr;
    m_picture = picture;
    setDoubleSize(std::move(doubleSize));
    refreshShown();
}

void TImage::setPictureSource(std::function<QImage()> source, std::function<QImage()> doubleSize)
{
    m_source = std::move(source);
    m_picture = QImage();
    m_shown = QImage();
    setDoubleSize(std::move(doubleSize));
    update();
}

void TImage::releasePicture()
{
    if (!m_source)
        return;
    m_picture = QImage();
    m_shown = QImage();
    setDoubleSize(std::move(m_doubleSizeSource));
}

void TImage::setDoubleSize(std::function<QImage()> source)
{
    m_doubleSizeSource = std::move(source);
    m_doubleSize = m_doubleSizeSource ? RatioPicture(m_doubleSizeSource, m_transparent) : RatioPicture();
}

void TImage::setTransparent(bool transparent)
{
    if (m_transparent == transparent)
        return;
    m_transparent = transparent;
    setDoubleSize(std::move(m_doubleSizeSource));
    if (m_source) {
        // Made again from the source at the next paint.
        m_shown = QImage();
        update();
    } else {
        refreshShown();
    }
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
    m_shown = m_transparent ? RatioPicture::keyed(m_picture) : m_picture;
}

void TImage::paintEvent(QPaintEvent *)
{
    makeShownFromSource();
    if (m_shown.isNull())
        return;
    QPainter painter(this);
    // The ratio of the pixels painted on: the screen's, or that of a picture the window is rendered into.
    const qreal ratio = painter.deviceTransform().m11();
    if (ratio > 1 && !m_doubleSize.isNull()) {
        painter.drawImage(QPointF(0, 0), m_doubleSize.forRatio(ratio));
        return;
    }
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

void TImage::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_doubleClickPress
            = DoubleClickJudge::shared().secondPress(event->timestamp(), event->globalPosition(), false);
    QWidget::mousePressEvent(event);
}

void TImage::mouseDoubleClickEvent(QMouseEvent *event)
{
    // Qt sends the second press of a pair only as this event.
    if (event->button() == Qt::LeftButton)
        m_doubleClickPress
            = DoubleClickJudge::shared().secondPress(event->timestamp(), event->globalPosition(), true);
}

void TImage::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const bool secondOfDoubleClick = std::exchange(m_doubleClickPress, false);
    if (rect().contains(event->position().toPoint()))
        emit clicked(this, secondOfDoubleClick);
}
