#include "platform/windowrole.h"

#include "platform/compositor.h"
#include "platform/windowfit.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace {

// Does for one window what its role needs, as the window goes through its showings.
class RoleKeeper : public QObject
{
public:
    RoleKeeper(QWidget *window, WindowRole role, QSize fixedSize)
        : QObject(window)
        , m_window(window)
        , m_role(role)
        , m_fixedSize(fixedSize.isValid())
        , m_clientSize(fixedSize)
    {
        window->installEventFilter(this);
    }

    void whenPlaced(std::function<void()> placed)
    {
        if (m_placed)
            QMetaObject::invokeMethod(m_window, std::move(placed), Qt::QueuedConnection);
        else
            m_waiting.append(std::move(placed));
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_window) {
            if (event->type() == QEvent::Expose && m_window->windowHandle()->isExposed()) {
                watched->removeEventFilter(this);
                exposed();
            }
        } else if (event->type() == QEvent::Show) {
            shown();
        } else if (event->type() == QEvent::WindowStateChange && m_fixedSize && m_window->isMaximized()) {
            // The one title bar Qt 6.4 draws on Wayland (its bradient decoration) offers to maximise any window,
            // whatever its flags and size limits. Turned back once the change is through, not from inside its
            // notification.
            QMetaObject::invokeMethod(
                m_window,
                [window = m_window] { window->setWindowState(window->windowState() & ~Qt::WindowMaximized); },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    // Where the program places its windows (X11), the window goes to its place as it is shown; what a compositor
    // is told waits for the window's surface to be ready, at its first exposure.
    void shown()
    {
        if (QWindow *handle = m_window->windowHandle())
            handle->installEventFilter(this);
        fitToScreen();
        if (m_role == WindowRole::Help) {
            standOverOwner();
        } else if (!m_shownBefore) {
            if (const QScreen *screen = m_window->screen()) {
                const QRect room = screen->availableGeometry();
                QPoint at = room.center() - m_window->rect().center();
                // A window as tall as the room keeps its title bar on the screen.
                at.setY(std::max(at.y(), room.top() + WindowFit::frameOf(m_window).top()));
                m_window->move(at);
            }
        }
        m_shownBefore = true;
        if (!Compositor::placesWindows())
            placed();
    }

    // A dialog larger than its screen scrolls, and the help, whose page scrolls anyway, takes no more than the
    // screen. The main window and the splash keep their sizes: their pictures are the game.
    void fitToScreen()
    {
        if (m_role == WindowRole::ModalDialog && m_fixedSize) {
            WindowFit::fitToScreen(m_window, m_clientSize);
        } else if (m_role == WindowRole::Help) {
            if (const QScreen *screen = m_window->screen()) {
                const QSize room = screen->availableGeometry().size().shrunkBy(WindowFit::frameOf(m_window));
                m_window->resize(m_window->size().boundedTo(room.expandedTo(WindowFit::Smallest)));
            }
        }
    }

    // The help opens over the middle of the window that asks for it, as the compositors put it on Wayland. Both
    // windows wear the same frame, so the frames' corners place the pages.
    void standOverOwner()
    {
        const QWindow *owner = m_window->windowHandle() ? m_window->windowHandle()->transientParent() : nullptr;
        if (owner)
            m_window->move(owner->frameGeometry().topLeft()
                + QPoint(owner->width() - m_window->width(), owner->height() - m_window->height()) / 2);
    }

    void exposed()
    {
        if (m_fixedSize)
            Compositor::declareWholeFixedSize(m_window);
        if (m_role == WindowRole::Splash)
            Compositor::keepOutOfWindowLists(m_window);
        if (m_role == WindowRole::ModalDialog) {
            Compositor::declareModal(m_window);
            placed();
        } else if (!Compositor::centreLikeADialog(m_window, [this] { placed(); })) {
            placed();
        }
    }

    void placed()
    {
        m_placed = true;
        for (std::function<void()> &waiting : std::exchange(m_waiting, {}))
            QMetaObject::invokeMethod(m_window, std::move(waiting), Qt::QueuedConnection);
    }

    QWidget *const m_window;
    const WindowRole m_role;
    const bool m_fixedSize;
    const QSize m_clientSize;
    bool m_shownBefore = false;
    bool m_placed = false;
    QList<std::function<void()>> m_waiting;
};

} // namespace

namespace Platform {

void setRole(QWidget *window, WindowRole role, QSize fixedSize)
{
    if (fixedSize.isValid())
        window->setFixedSize(fixedSize);
    new RoleKeeper(window, role, fixedSize);
}

void whenPlaced(QWidget *window, std::function<void()> placed)
{
    for (QObject *child : window->children()) {
        if (auto *keeper = dynamic_cast<RoleKeeper *>(child)) {
            keeper->whenPlaced(std::move(placed));
            return;
        }
    }
    QMetaObject::invokeMethod(window, std::move(placed), Qt::QueuedConnection);
}

} // namespace Platform
