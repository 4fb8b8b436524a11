#include "app/paintnow.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QWidget>
#include <QWindow>

namespace {

// Long enough for any window system to answer a map; a window that stays unexposed (on a screen that is off,
// say) is painted by the event loop later instead.
constexpr int ExposeWaitLimit = 500;
constexpr int PollStep = 2;

} // namespace

void paintNow(QWidget *window)
{
    if (!window || !window->isVisible())
        return;
    QElapsedTimer waited;
    waited.start();
    const QWindow *handle = window->windowHandle();
    while (handle && !handle->isExposed() && waited.elapsed() < ExposeWaitLimit) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        if (!handle->isExposed())
            QThread::msleep(PollStep);
    }
    window->repaint();
}
