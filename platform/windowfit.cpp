#include "platform/windowfit.h"

#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace WindowFit {

Fit fit(QSize content, QSize room, int scrollBarExtent)
{
    room = room.expandedTo(Smallest);
    bool scrollsDown = content.height() > room.height();
    bool scrollsAcross = content.width() > room.width();
    // A scroll bar takes room from the other direction, which may then scroll too.
    if (scrollsDown && !scrollsAcross)
        scrollsAcross = content.width() + scrollBarExtent > room.width();
    if (scrollsAcross && !scrollsDown)
        scrollsDown = content.height() + scrollBarExtent > room.height();
    const int width = scrollsAcross ? room.width() : content.width() + (scrollsDown ? scrollBarExtent : 0);
    const int height = scrollsDown ? room.height() : content.height() + (scrollsAcross ? scrollBarExtent : 0);
    return {QSize(width, height), scrollsDown || scrollsAcross};
}

namespace {

const char *const ScrollAreaName = "scrFit";

// The window's controls, moved once into a scroll area that fills the window. The scroll area shows the window's
// own background, so the controls look as they did.
QScrollArea *scrollArea(QWidget *window, QSize content)
{
    if (auto *area = window->findChild<QScrollArea *>(QLatin1String(ScrollAreaName), Qt::FindDirectChildrenOnly))
        return area;
    auto *area = new QScrollArea(window);
    area->setObjectName(QLatin1String(ScrollAreaName));
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(false);
    area->setFocusPolicy(Qt::NoFocus);
    auto *client = new QWidget;
    client->setObjectName(QStringLiteral("scrFitClient"));
    client->setFixedSize(content);
    for (QWidget *control : window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (control == area || control->isWindow())
            continue;
        const bool hidden = control->isHidden();
        control->setParent(client);
        control->setHidden(hidden);
    }
    area->setWidget(client);
    area->viewport()->setAutoFillBackground(false);
    client->setAutoFillBackground(false);
    area->show();
    return area;
}

} // namespace

QMargins frameOf(const QWidget *window)
{
    const QMargins known = window->windowHandle() ? window->windowHandle()->frameMargins() : QMargins();
    return known.isNull() ? UsualFrame : known;
}

void fitToScreen(QWidget *window, QSize content)
{
    const QScreen *screen = window->screen();
    if (!screen)
        return;
    const QSize room = screen->availableGeometry().size().shrunkBy(frameOf(window));
    const Fit fitted = fit(content, room, window->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    QScrollArea *area = window->findChild<QScrollArea *>(QLatin1String(ScrollAreaName), Qt::FindDirectChildrenOnly);
    if (!fitted.scrolls && !area) {
        window->setFixedSize(content);
        return;
    }
    area = scrollArea(window, content);
    window->setFixedSize(fitted.size);
    area->setGeometry(QRect(QPoint(0, 0), fitted.size));
}

} // namespace WindowFit
