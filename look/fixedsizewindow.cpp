#include "look/fixedsizewindow.h"

#include <QEvent>
#include <QWidget>

namespace {

class MaximiseRefusal : public QObject
{
public:
    explicit MaximiseRefusal(QWidget *window)
        : QObject(window)
        , m_window(window)
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // Turned back once the change is through, not from inside its notification.
        if (watched == m_window && event->type() == QEvent::WindowStateChange && m_window->isMaximized()) {
            QMetaObject::invokeMethod(
                m_window, [window = m_window] { window->setWindowState(window->windowState() & ~Qt::WindowMaximized); },
                Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget *m_window;
};

} // namespace

void fixWindowSize(QWidget *window, QSize size)
{
    window->setFixedSize(size);
    window->installEventFilter(new MaximiseRefusal(window));
}
