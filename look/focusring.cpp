#include "look/focusring.h"

#include "look/windowlook.h"

#include <QFocusEvent>
#include <QPainter>

namespace {

constexpr QColor DarkColour(36, 22, 8);
constexpr qreal CornerRadius = 4;

} // namespace

FocusRing::FocusRing(QWidget *window)
    : QWidget(window)
{
    setObjectName(QStringLiteral("focusRing"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void FocusRing::watch(QWidget *control)
{
    control->installEventFilter(this);
}

void FocusRing::setAway(bool away)
{
    if (away == m_away)
        return;
    m_away = away;
    if (away)
        hide();
    else if (m_target)
        follow(m_target);
}

bool FocusRing::eventFilter(QObject *watched, QEvent *event)
{
    auto *control = static_cast<QWidget *>(watched);
    switch (event->type()) {
    case QEvent::KeyPress:
        m_keyboardUsed = true;
        follow(control);
        break;
    case QEvent::FocusIn: {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)
            m_keyboardUsed = true;
        follow(control);
        break;
    }
    case QEvent::FocusOut:
    case QEvent::Hide:
        if (control == m_target)
            hide();
        break;
    case QEvent::Move:
    case QEvent::Resize:
        if (control == m_target && control->hasFocus())
            follow(control);
        break;
    default:
        break;
    }
    return false;
}

void FocusRing::follow(QWidget *control)
{
    m_target = control;
    if (m_away || !m_keyboardUsed || !control->hasFocus() || control->isHidden())
        return;
    setGeometry(control->geometry().adjusted(-Outset, -Outset, Outset, Outset));
    raise();
    show();
    update();
}

void FocusRing::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // From the outside in: a dark line, the gilt band, a dark line, each stroked on the middle of its own width.
    const auto stroke = [&painter, this](int inset, int width, const QColor &colour) {
        const qreal middle = inset + width / 2.0;
        painter.setPen(QPen(colour, width));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(rect()).adjusted(middle, middle, -middle, -middle), CornerRadius, CornerRadius);
    };
    stroke(0, DarkLine, DarkColour);
    stroke(DarkLine, GiltBand, Gilt);
    stroke(DarkLine + GiltBand, DarkLine, DarkColour);
}
