#include "controls/mark.h"

#include <QPainter>

namespace {

constexpr qreal CornerRadius = 4;

} // namespace

TMark::TMark(const QColor &colour, int outset, int washAlpha, QWidget *parent)
    : QWidget(parent)
    , m_colour(colour)
    , m_outset(outset)
    , m_washAlpha(washAlpha)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    m_phases.setSingleShot(false);
    connect(&m_phases, &QTimer::timeout, this, &TMark::nextPhase);
}

void TMark::mark(const QRect &place, int flashes, std::chrono::milliseconds lasting)
{
    setGeometry(place.adjusted(-m_outset, -m_outset, m_outset, m_outset));
    raise();
    show();
    m_phases.stop();
    if (lasting.count() <= 0)
        return;
    // Shown, hidden, shown again: one phase fewer than twice the flashes, the last one shown.
    m_phasesLeft = 2 * std::max(flashes, 1) - 1;
    m_phases.start(lasting / m_phasesLeft);
}

void TMark::clear()
{
    m_phases.stop();
    hide();
}

void TMark::nextPhase()
{
    if (--m_phasesLeft <= 0) {
        clear();
        return;
    }
    setVisible(!isVisible());
}

void TMark::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QColor wash = m_colour;
    wash.setAlpha(m_washAlpha);
    const qreal inset = FrameWidth / 2.0;
    painter.setPen(QPen(m_colour, FrameWidth));
    painter.setBrush(wash);
    painter.drawRoundedRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset), CornerRadius, CornerRadius);
}
