#include "look/fixedsizewindow.h"

#include "look/compositorhints.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace {

// Keeps a fixed-size window as it is where Qt's own title bar (on Wayland, where the compositor draws none) would
// have it otherwise.
class SizeKeeper : public QObject
{
public:
    explicit SizeKeeper(QWidget *window)
        : QObject(window)
        , m_window(window)
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_window) {
            // Turned back once the change is through, not from inside its notification.
            if (event->type() == QEvent::WindowStateChange && m_window->isMaximized()) {
                QMetaObject::invokeMethod(
                    m_window,
                    [window = m_window] { window->setWindowState(window->windowState() & ~Qt::WindowMaximized); },
                    Qt::QueuedConnection);
            }
            if (event->type() == QEvent::Show && m_window->windowHandle())
                m_window->windowHandle()->installEventFilter(this);
        } else if (event->type() == QEvent::Expose) {
            declareWholeFixedSize(m_window);
            watched->removeEventFilter(this);
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
    window->installEventFilter(new SizeKeeper(window));
}
