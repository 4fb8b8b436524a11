#include "platform/compositor.h"

#include "gtk-shell-client-protocol.h"
#include "plasma-shell-client-protocol.h"
#include "xdg-shell-client-protocol.h"

#include <QGuiApplication>
#include <QHash>
#include <QLibraryInfo>
#include <QVersionNumber>
#include <QWidget>
#include <QWindow>
#include <qpa/qplatformnativeinterface.h>
#include <qpa/qplatformwindow.h>

#include <cstring>

namespace {

// The versions of the desktops' protocols spoken here: the first to have every request used.
constexpr uint32_t GtkShellVersion = 1;
constexpr uint32_t PlasmaShellVersion = ORG_KDE_PLASMA_SURFACE_SET_SKIP_SWITCHER_SINCE_VERSION;

// A workaround made for, and checked with, Qt 6.4 is skipped by the Qt that does its work itself.
bool qtBefore(int major, int minor)
{
    return QLibraryInfo::version() < QVersionNumber(major, minor);
}

// Qt's Wayland connection; null elsewhere.
wl_display *waylandDisplay()
{
    QPlatformNativeInterface *native = QGuiApplication::platformNativeInterface();
    if (!native || !QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return nullptr;
    return static_cast<wl_display *>(native->nativeResourceForIntegration("wl_display"));
}

// A window's surface and role on Qt's connection; null before the window exists.
void *nativeOf(QWidget *widget, const char *resource)
{
    QWindow *window = widget->windowHandle();
    if (!window)
        return nullptr;
    return QGuiApplication::platformNativeInterface()->nativeResourceForWindow(resource, window);
}

wl_surface *surfaceOf(QWidget *widget)
{
    return static_cast<wl_surface *>(nativeOf(widget, "surface"));
}

// Binds the compositor's global of an interface, looked up on a queue of its own so that Qt's own dispatching is
// not disturbed; null where the compositor offers none of that version.
void *bindGlobal(wl_display *display, const wl_interface *interface, uint32_t version)
{
    wl_event_queue *queue = wl_display_create_queue(display);
    auto *wrapper = static_cast<wl_display *>(wl_proxy_create_wrapper(display));
    wl_proxy_set_queue(reinterpret_cast<wl_proxy *>(wrapper), queue);
    wl_registry *registry = wl_display_get_registry(wrapper);
    wl_proxy_wrapper_destroy(wrapper);
    struct Search
    {
        wl_registry *registry;
        const wl_interface *interface;
        uint32_t version;
        void *bound = nullptr;
    } search {registry, interface, version};
    static const wl_registry_listener listener = {
        [](void *data, wl_registry *, uint32_t name, const char *offered, uint32_t offeredVersion) {
            auto *search = static_cast<Search *>(data);
            if (!search->bound && std::strcmp(offered, search->interface->name) == 0
                && offeredVersion >= search->version)
                search->bound = wl_registry_bind(search->registry, name, search->interface, search->version);
        },
        [](void *, wl_registry *, uint32_t) {},
    };
    wl_registry_add_listener(registry, &listener, &search);
    wl_display_roundtrip_queue(display, queue);
    wl_registry_destroy(registry);
    // Nothing the global says is listened to: on Qt's queue, without a listener, it is dropped as it comes.
    if (search.bound)
        wl_proxy_set_queue(static_cast<wl_proxy *>(search.bound), nullptr);
    wl_event_queue_destroy(queue);
    return search.bound;
}

// The shell of the interface, bound once for the program; null where the compositor offers none.
template<typename Shell>
Shell *shell(const wl_interface *interface, uint32_t version)
{
    static QHash<const wl_interface *, void *> shells;
    const auto found = shells.constFind(interface);
    if (found != shells.constEnd())
        return static_cast<Shell *>(*found);
    return static_cast<Shell *>(shells.insert(interface, bindGlobal(waylandDisplay(), interface, version)).value());
}

// Whether the window's surface may still be given a companion of the shell: a second is a protocol error, fatal to
// the program. Remembers that it has one now.
bool firstCompanion(QWidget *window, wl_surface *surface, const char *shellName)
{
    const QByteArray askedFor = QByteArrayLiteral("companionSurface.") + shellName;
    if (!surface || window->property(askedFor).value<quintptr>() == quintptr(surface))
        return false;
    window->setProperty(askedFor, quintptr(surface));
    return true;
}

// GNOME's companion of the window's surface; null where there is none to be had.
gtk_surface1 *gtkSurfaceOf(QWidget *window)
{
    wl_surface *surface = waylandDisplay() ? surfaceOf(window) : nullptr;
    gtk_shell1 *gtk = surface ? shell<gtk_shell1>(&gtk_shell1_interface, GtkShellVersion) : nullptr;
    if (!gtk || !firstCompanion(window, surface, gtk_shell1_interface.name))
        return nullptr;
    return gtk_shell1_get_gtk_surface(gtk, surface);
}

// Takes the window's modality back once the compositor has drawn it, and so placed it: from then on the window is
// an ordinary one. (Neither the keyboard nor the pointer tells: mutter may activate a window before it places it.)
class ModalUntilPlaced : public QObject
{
public:
    ModalUntilPlaced(QWidget *window, gtk_surface1 *companion, std::function<void()> placed)
        : QObject(window)
        , m_companion(companion)
        , m_placed(std::move(placed))
        , m_drawn(wl_surface_frame(surfaceOf(window)))
    {
        // Called where Qt reads the compositor's events, which need not be this object's thread.
        static const wl_callback_listener listener = {[](void *self, wl_callback *, uint32_t) {
            QMetaObject::invokeMethod(
                static_cast<ModalUntilPlaced *>(self), &ModalUntilPlaced::drawn, Qt::QueuedConnection);
        }};
        wl_callback_add_listener(m_drawn, &listener, this);
        gtk_surface1_set_modal(m_companion);
        wl_display_flush(waylandDisplay());
    }

    ~ModalUntilPlaced() override
    {
        wl_callback_destroy(m_drawn);
        gtk_surface1_destroy(m_companion);
    }

private:
    void drawn()
    {
        gtk_surface1_unset_modal(m_companion);
        wl_display_flush(waylandDisplay());
        deleteLater();
        if (m_placed)
            m_placed();
    }

    gtk_surface1 *const m_companion;
    const std::function<void()> m_placed;
    wl_callback *const m_drawn;
};

} // namespace

namespace Compositor {

bool placesWindows()
{
    return waylandDisplay() != nullptr;
}

void declareModal(QWidget *window)
{
    // Qt 6.8 tells the compositor itself, through xdg-dialog-v1.
    if (!qtBefore(6, 8))
        return;
    // The compositor keeps what it was told with the window, and drops the companion with the surface.
    if (gtk_surface1 *companion = gtkSurfaceOf(window)) {
        gtk_surface1_set_modal(companion);
        gtk_surface1_destroy(companion);
        wl_display_flush(waylandDisplay());
    }
}

// No Qt can ask for a window to be centred: mutter centres dialogs alone, by its own rule, whatever the client.
bool centreLikeADialog(QWidget *window, std::function<void()> placed)
{
    gtk_surface1 *companion = gtkSurfaceOf(window);
    if (!companion)
        return false;
    new ModalUntilPlaced(window, companion, std::move(placed));
    return true;
}

void declareWholeFixedSize(QWidget *window)
{
    if (!qtBefore(6, 5))
        return;
    // In the platform's own pixels, as Qt gives the sizes, which a scale factor set for Qt alone makes differ.
    const QWindow *handle = window->windowHandle();
    const QPlatformWindow *platformWindow = handle ? handle->handle() : nullptr;
    if (!waylandDisplay() || !platformWindow || platformWindow->frameMargins().isNull())
        return;
    auto *toplevel = static_cast<xdg_toplevel *>(nativeOf(window, "xdg_toplevel"));
    if (!toplevel)
        return;
    const QSize whole = platformWindow->geometry().size().grownBy(platformWindow->frameMargins());
    xdg_toplevel_set_max_size(toplevel, whole.width(), whole.height());
    xdg_toplevel_set_min_size(toplevel, whole.width(), whole.height());
    wl_display_flush(waylandDisplay());
}

// Qt has no word for a window that stays out of the window lists on Wayland.
void keepOutOfWindowLists(QWidget *window)
{
    wl_surface *surface = waylandDisplay() ? surfaceOf(window) : nullptr;
    auto *plasma = surface ? shell<org_kde_plasma_shell>(&org_kde_plasma_shell_interface, PlasmaShellVersion) : nullptr;
    if (!plasma || !firstCompanion(window, surface, org_kde_plasma_shell_interface.name))
        return;
    org_kde_plasma_surface *companion = org_kde_plasma_shell_get_surface(plasma, surface);
    org_kde_plasma_surface_set_skip_taskbar(companion, 1);
    org_kde_plasma_surface_set_skip_switcher(companion, 1);
    wl_display_flush(waylandDisplay());
    // Only the client's side goes: the protocol's destroy request would take back what KWin was just told.
    wl_proxy_destroy(reinterpret_cast<wl_proxy *>(companion));
}

} // namespace Compositor
