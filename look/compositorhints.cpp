#include "look/compositorhints.h"

#include <QGuiApplication>
#include <QHash>
#include <QWidget>
#include <QWindow>
#include <qpa/qplatformnativeinterface.h>
#include <qpa/qplatformwindow.h>

#include <wayland-client.h>

#include <cstring>

namespace {

// The requests used here of two protocols of the desktops, as their compositors announce them. Requests are told
// apart by their order, so every request before the ones used is listed. Events are never listened to, but each
// is described, since every event that comes is read before it is dropped.
const wl_interface *const NoTypes[6] = {};
constexpr auto noTypes = const_cast<const wl_interface **>(NoTypes);

// GNOME's gtk_shell1, version 1: the shell hands out a companion of a surface, whose second request marks the
// surface's window modal.
extern const wl_interface GtkSurfaceInterface;
const wl_interface *const GetGtkSurfaceTypes[] = {&GtkSurfaceInterface, &wl_surface_interface};
const wl_interface *const SystemBellTypes[] = {&GtkSurfaceInterface};
const wl_message GtkShellRequests[] = {
    {"get_gtk_surface", "no", const_cast<const wl_interface **>(GetGtkSurfaceTypes)},
    {"set_startup_id", "?s", noTypes},
    {"system_bell", "?o", const_cast<const wl_interface **>(SystemBellTypes)},
};
const wl_message GtkShellEvents[] = {{"capabilities", "u", noTypes}};
const wl_interface GtkShellInterface = {"gtk_shell1", 1, 3, GtkShellRequests, 1, GtkShellEvents};
const wl_message GtkSurfaceRequests[] = {
    {"set_dbus_properties", "?s?s?s?s?s?s", noTypes},
    {"set_modal", "", noTypes},
    {"unset_modal", "", noTypes},
};
const wl_message GtkSurfaceEvents[] = {{"configure", "a", noTypes}};
const wl_interface GtkSurfaceInterface = {"gtk_surface1", 1, 3, GtkSurfaceRequests, 1, GtkSurfaceEvents};
constexpr uint32_t GetGtkSurface = 0;
constexpr uint32_t SetModal = 1;
constexpr uint32_t UnsetModal = 2;

// KDE's org_kde_plasma_shell, version 5: the shell hands out a companion of a surface, which takes the window out
// of the task bar and the switcher.
extern const wl_interface PlasmaSurfaceInterface;
const wl_interface *const GetPlasmaSurfaceTypes[] = {&PlasmaSurfaceInterface, &wl_surface_interface};
const wl_message PlasmaShellRequests[] = {
    {"get_surface", "no", const_cast<const wl_interface **>(GetPlasmaSurfaceTypes)},
};
const wl_interface PlasmaShellInterface = {"org_kde_plasma_shell", 5, 1, PlasmaShellRequests, 0, nullptr};
const wl_interface *const SetOutputTypes[] = {&wl_output_interface};
const wl_message PlasmaSurfaceRequests[] = {
    {"destroy", "", noTypes},
    {"set_output", "o", const_cast<const wl_interface **>(SetOutputTypes)},
    {"set_position", "ii", noTypes},
    {"set_role", "u", noTypes},
    {"set_panel_behavior", "u", noTypes},
    {"set_skip_taskbar", "2u", noTypes},
    {"panel_auto_hide_hide", "4", noTypes},
    {"panel_auto_hide_show", "4", noTypes},
    {"set_panel_takes_focus", "4u", noTypes},
    {"set_skip_switcher", "5u", noTypes},
};
const wl_message PlasmaSurfaceEvents[] = {
    {"auto_hidden_panel_hidden", "4", noTypes},
    {"auto_hidden_panel_shown", "4", noTypes},
};
const wl_interface PlasmaSurfaceInterface
    = {"org_kde_plasma_surface", 5, 10, PlasmaSurfaceRequests, 2, PlasmaSurfaceEvents};
constexpr uint32_t GetPlasmaSurface = 0;
constexpr uint32_t SetSkipTaskbar = 5;
constexpr uint32_t SetSkipSwitcher = 9;

// The requests of xdg_toplevel (Qt's own window role) that set the bounds of a window's size.
constexpr uint32_t SetMaxSize = 7;
constexpr uint32_t SetMinSize = 8;

// Qt's Wayland connection and a window's surface on it; null elsewhere, or before the window exists.
wl_display *waylandDisplay()
{
    QPlatformNativeInterface *native = QGuiApplication::platformNativeInterface();
    if (!native || !QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return nullptr;
    return static_cast<wl_display *>(native->nativeResourceForIntegration("wl_display"));
}

wl_proxy *surfaceOf(QWidget *widget)
{
    QWindow *window = widget->windowHandle();
    if (!window)
        return nullptr;
    return static_cast<wl_proxy *>(
        QGuiApplication::platformNativeInterface()->nativeResourceForWindow("surface", window));
}

// Binds the compositor's global of an interface, looked up on a queue of its own so that Qt's own dispatching is
// not disturbed; null where the compositor offers none.
wl_proxy *bindGlobal(wl_display *display, const wl_interface *interface)
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
        wl_proxy *bound = nullptr;
    } search {registry, interface};
    static const wl_registry_listener listener = {
        [](void *data, wl_registry *, uint32_t name, const char *offered, uint32_t version) {
            auto *search = static_cast<Search *>(data);
            if (!search->bound && std::strcmp(offered, search->interface->name) == 0
                && version >= uint32_t(search->interface->version))
                search->bound = static_cast<wl_proxy *>(
                    wl_registry_bind(search->registry, name, search->interface, search->interface->version));
        },
        [](void *, wl_registry *, uint32_t) {},
    };
    wl_registry_add_listener(registry, &listener, &search);
    wl_display_roundtrip_queue(display, queue);
    wl_registry_destroy(registry);
    // Nothing the global says is listened to: on Qt's queue, without a listener, it is dropped as it comes.
    if (search.bound)
        wl_proxy_set_queue(search.bound, nullptr);
    wl_event_queue_destroy(queue);
    return search.bound;
}

// A new companion of the window's surface from the shell of the interface, bound once for the program; null where
// there is no window on a compositor that offers the shell, and where this surface has had its companion already
// (a second is a protocol error, fatal to the program).
wl_proxy *companionOf(
    QWidget *window, const wl_interface *shellInterface, uint32_t getCompanion, const wl_interface *companionInterface)
{
    wl_display *display = waylandDisplay();
    wl_proxy *surface = display ? surfaceOf(window) : nullptr;
    const QByteArray askedFor = QByteArrayLiteral("companionSurface.") + shellInterface->name;
    if (!surface || window->property(askedFor).value<quintptr>() == quintptr(surface))
        return nullptr;
    window->setProperty(askedFor, quintptr(surface));
    static QHash<const wl_interface *, wl_proxy *> shells;
    const auto shell = shells.find(shellInterface);
    wl_proxy *bound
        = shell != shells.end() ? *shell : shells.insert(shellInterface, bindGlobal(display, shellInterface)).value();
    if (!bound)
        return nullptr;
    return wl_proxy_marshal_flags(
        bound, getCompanion, companionInterface, wl_proxy_get_version(bound), 0, nullptr, surface);
}

// Sends the companion a request without arguments, at once.
void send(wl_proxy *companion, uint32_t request)
{
    wl_proxy_marshal_flags(companion, request, nullptr, wl_proxy_get_version(companion), 0);
    wl_display_flush(waylandDisplay());
}

// Takes the window's modality back once the compositor has drawn it, and so placed it: from then on the window is
// an ordinary one. (Neither the keyboard nor the pointer tells: mutter may activate a window before it places it.)
class ModalUntilPlaced : public QObject
{
public:
    ModalUntilPlaced(QWidget *window, wl_proxy *companion, std::function<void()> placed)
        : QObject(window)
        , m_companion(companion)
        , m_placed(std::move(placed))
        , m_drawn(wl_surface_frame(reinterpret_cast<wl_surface *>(surfaceOf(window))))
    {
        // Called where Qt reads the compositor's events, which need not be this object's thread.
        static const wl_callback_listener listener = {[](void *self, wl_callback *, uint32_t) {
            QMetaObject::invokeMethod(
                static_cast<ModalUntilPlaced *>(self), &ModalUntilPlaced::drawn, Qt::QueuedConnection);
        }};
        wl_callback_add_listener(m_drawn, &listener, this);
    }

    ~ModalUntilPlaced() override
    {
        wl_callback_destroy(m_drawn);
        wl_proxy_destroy(m_companion);
    }

private:
    void drawn()
    {
        send(m_companion, UnsetModal);
        deleteLater();
        if (m_placed)
            m_placed();
    }

    wl_proxy *const m_companion;
    const std::function<void()> m_placed;
    wl_callback *const m_drawn;
};

} // namespace

void declareModalDialog(QWidget *dialog)
{
    // The compositor keeps what it was told with the window, and drops the companion with the surface.
    if (wl_proxy *companion = companionOf(dialog, &GtkShellInterface, GetGtkSurface, &GtkSurfaceInterface)) {
        send(companion, SetModal);
        wl_proxy_destroy(companion);
    }
}

void askToBeCentred(QWidget *window, std::function<void()> placed)
{
    if (wl_proxy *companion = companionOf(window, &GtkShellInterface, GetGtkSurface, &GtkSurfaceInterface)) {
        new ModalUntilPlaced(window, companion, std::move(placed));
        send(companion, SetModal);
    } else if (placed) {
        QMetaObject::invokeMethod(window, std::move(placed), Qt::QueuedConnection);
    }
}

void declareWholeFixedSize(QWidget *window)
{
    // In the platform's own pixels, as Qt gives the sizes, which a scale factor set for Qt alone makes differ.
    QWindow *handle = window->windowHandle();
    const QPlatformWindow *platformWindow = handle ? handle->handle() : nullptr;
    if (!waylandDisplay() || !platformWindow || platformWindow->frameMargins().isNull())
        return;
    auto *toplevel = static_cast<wl_proxy *>(
        QGuiApplication::platformNativeInterface()->nativeResourceForWindow("xdg_toplevel", handle));
    if (!toplevel)
        return;
    const QSize whole = platformWindow->geometry().size().grownBy(platformWindow->frameMargins());
    const uint32_t version = wl_proxy_get_version(toplevel);
    wl_proxy_marshal_flags(toplevel, SetMaxSize, nullptr, version, 0, whole.width(), whole.height());
    wl_proxy_marshal_flags(toplevel, SetMinSize, nullptr, version, 0, whole.width(), whole.height());
    wl_display_flush(waylandDisplay());
}

void keepOutOfWindowLists(QWidget *window)
{
    if (wl_proxy *companion = companionOf(window, &PlasmaShellInterface, GetPlasmaSurface, &PlasmaSurfaceInterface)) {
        const uint32_t version = wl_proxy_get_version(companion);
        wl_proxy_marshal_flags(companion, SetSkipTaskbar, nullptr, version, 0, 1u);
        wl_proxy_marshal_flags(companion, SetSkipSwitcher, nullptr, version, 0, 1u);
        wl_proxy_destroy(companion);
        wl_display_flush(waylandDisplay());
    }
}
