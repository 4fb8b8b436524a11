#include "controls/mgcheckbox.h"

#include "controls/accessibility.h"
#include "controls/clickkey.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <utility>

namespace {

// Only the left button holds the pointer for the widget it went down on, but Qt sends the release of every button
// there. This hands a switch the release of another button that happens over it, wherever that press began.
class ReleaseRouter : public QObject
{
public:
    using QObject::QObject;

    static void install()
    {
        static ReleaseRouter *router = nullptr;
        if (!router && qApp) {
            router = new ReleaseRouter(qApp);
            qApp->installEventFilter(router);
        }
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::MouseButtonRelease || !watched->isWidgetType())
            return false;
        auto *release = static_cast<QMouseEvent *>(event);
        if (release->button() == Qt::LeftButton || release->button() == Qt::NoButton)
            return false;
        // An ignored release travels on to the parents: hand each release over only once.
        const Delivered seen { release->timestamp(), release->button(), release->globalPosition() };
        if (seen == m_lastHandedOver)
            return false;
        QWidget *window = static_cast<QWidget *>(watched)->window();
        const QPointF global = release->globalPosition();
        auto *toggle = qobject_cast<TMGCheckbox *>(window->childAt(window->mapFromGlobal(global).toPoint()));
        if (!toggle || toggle == watched)
            return false;
        m_lastHandedOver = seen;
        QMouseEvent handedOver(QEvent::MouseButtonRelease, toggle->mapFromGlobal(global), global, release->button(),
                               release->buttons(), release->modifiers(), release->pointingDevice());
        handedOver.setTimestamp(release->timestamp());
        QApplication::sendEvent(toggle, &handedOver);
        return false;
    }

private:
    struct Delivered
    {
        quint64 timestamp = 0;
        Qt::MouseButton button = Qt::NoButton;
        QPointF global;
        bool operator==(const Delivered &) const = default;
    };
    Delivered m_lastHandedOver;
};

} // namespace

TMGCheckbox::TMGCheckbox(QWidget *parent)
    : QWidget(parent)
{
    describeControlsToAssistiveTools();
    setGeometry(0, 0, 50, 50);
    // The pointer shape follows the zone on every move, pressed button or not.
    setMouseTracking(true);
    ReleaseRouter::install();
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

void TMGCheckbox::setDoubleSizeBitmaps(std::function<QImage()> unchecked, std::function<QImage()> checked)
{
    m_doubleSizeUnchecked = RatioPicture(std::move(unchecked), false);
    m_doubleSizeChecked = RatioPicture(std::move(checked), false);
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
    const qreal ratio = painter.deviceTransform().m11();
    RatioPicture &larger = m_checked ? m_doubleSizeChecked : m_doubleSizeUnchecked;
    if (ratio > 1 && !larger.isNull()) {
        painter.setClipRect(rect());
        painter.drawImage(QPointF(0, 0), larger.forRatio(ratio));
        return;
    }
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
