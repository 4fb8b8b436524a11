#include "controls/mgcheckbox.h"

#include "controls/accessibility.h"
#include "controls/clickkey.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <utility>

TMGCheckbox::TMGCheckbox(QWidget *parent)
    : QWidget(parent)
{
    describeControlsToAssistiveTools();
    setGeometry(0, 0, 50, 50);
    // The pointer shape follows the zone on every move, pressed button or not.
    setMouseTracking(true);
}

void TMGCheckbox::setChecked(bool checked)
{
    if (m_checked == checked)
        return;
    m_checked = checked;
    reportStateChange();
    update();
}

void TMGCheckbox::Uncheck()
{
    const bool wasChecked = std::exchange(m_checked, false);
    if (wasChecked)
        reportStateChange();
    repaint();
}

void TMGCheckbox::toggle()
{
    if (!m_toggleEnabled)
        return;
    m_checked = !m_checked;
    reportStateChange();
    emit clicked();
    repaint();
}

void TMGCheckbox::reportStateChange()
{
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

void TMGCheckbox::setBitmapUnchecked(const QImage &picture)
{
    m_bitmapUnchecked = picture;
    fitToPicture();
    update();
}

void TMGCheckbox::setBitmapChecked(const QImage &picture)
{
    m_bitmapChecked = picture;
    update();
}

bool TMGCheckbox::inActiveZone(int x, int y) const
{
    return m_checked ? m_checkedZone.contains(x, y) : m_uncheckedZone.contains(x, y);
}

void TMGCheckbox::fitToPicture()
{
    // Fixing the size makes every later resize request give way to the picture's size.
    if (m_bitmapUnchecked.isNull()) {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    } else {
        setFixedSize(m_bitmapUnchecked.size());
    }
}

void TMGCheckbox::paintEvent(QPaintEvent *)
{
    const QImage &picture = m_checked ? m_bitmapChecked : m_bitmapUnchecked;
    if (picture.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(rect(), picture, rect());
}

void TMGCheckbox::mousePressEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    emit mouseDown(event->button(), event->modifiers(), at.x(), at.y());
    if (event->button() == Qt::LeftButton && m_toggleEnabled && inActiveZone(at.x(), at.y()))
        repaint();
}

void TMGCheckbox::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    emit mouseMove(event->modifiers(), at.x(), at.y());
    setCursor(inActiveZone(at.x(), at.y()) ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void TMGCheckbox::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    // Only a left press holds the pointer for the switch; Qt grabs for every button, so a release of another
    // button outside the switch belongs to whatever lies there.
    if (event->button() != Qt::LeftButton && !rect().contains(at))
        return;
    emit mouseUp(event->button(), event->modifiers(), at.x(), at.y());
    if (inActiveZone(at.x(), at.y()))
        toggle();
}

void TMGCheckbox::keyPressEvent(QKeyEvent *event)
{
    if (!isClickKey(*event)) {
        QWidget::keyPressEvent(event);
        return;
    }
    // A held key repeats: the switch would flicker between its states.
    if (!event->isAutoRepeat())
        toggle();
}

void TMGCheckbox::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    if (m_bitmapUnchecked.isNull() && m_toggleEnabled)
        update();
    else
        repaint();
}

void TMGCheckbox::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        fitToPicture();
        update();
    }
}
