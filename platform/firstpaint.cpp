#include "platform/firstpaint.h"

#include <QCoreApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {

// Long enough for any window system to answer a map; a window that stays unexposed (on a screen that is off,
// say) is painted by the event loop later instead.
constexpr int ExposeWaitLimit = 500;

} // namespace

void paintNow(QWidget *window)
{
    if (!window || !window->isVisible())
        return;
    const QWindow *handle = window->windowHandle();
    if (handle && !handle->isExposed()) {
        // Each pass sleeps until the window system says something; the timer ends the wait at its limit. Deferred
        // deletions wait for the event loop, as they would have without this.
        bool late = false;
        QTimer limit;
        limit.setSingleShot(true);
        QObject::connect(&limit, &QTimer::timeout, [&late] { late = true; });
        limit.start(ExposeWaitLimit);
        while (!handle->isExposed() && !late)
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::WaitForMoreEvents);
    }
    window->repaint();
}
