#include "look/modalplacement.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <qpa/qplatformnativeinterface.h>

#include <wayland-client.h>

#include <cstring>

namespace {

// The two interfaces of gtk_shell1 (version 1, as GNOME's compositor announces it) that are used here: the
// shell hands out a companion object for a surface, whose second request marks the surface's window modal.
// Requests are told apart by their order, so every request before the ones used is listed.
extern const wl_interface GtkSurfaceInterface;

const wl_interface *const NoTypes[6] = {};
const wl_interface *const GetSurfaceTypes[] = {&GtkSurfaceInterface, &wl_surface_interface};
const wl_interface *const SystemBellTypes[] = {&GtkSurfaceInterface};

const wl_message ShellRequests[] = {
    {"get_gtk_surface", "no", const_cast<const wl_interface **>(GetSurfaceTypes)},
    {"set_startup_id", "?s", const_cast<const wl_interface **>(NoTypes)},
    {"system_bell", "?o", const_cast<const wl_interface **>(SystemBellTypes)},
};
const wl_message ShellEvents[] = {{"capabilities", "u", const_cast<const wl_interface **>(NoTypes)}};
const wl_interface GtkShellInterface = {"gtk_shell1", 1, 3, ShellRequests, 1, ShellEvents};

const wl_message SurfaceRequests[] = {
    {"set_dbus_properties", "?s?s?s?s?s?s", const_cast<const wl_interface **>(NoTypes)},
    {"set_modal", "", const_cast<const wl_interface **>(NoTypes)},
    {"unset_modal", "", const_cast<const wl_interface **>(NoTypes)},
};
const wl_message SurfaceEvents[] = {{"configure", "a", const_cast<const wl_interface **>(NoTypes)}};
const wl_interface GtkSurfaceInterface = {"gtk_surface1", 1, 3, SurfaceRequests, 1, SurfaceEvents};

constexpr uint32_t GetGtkSurface = 0;
constexpr uint32_t SetModal = 1;

// The compositor's gtk_shell1, bound once on a queue of its own so that looking for it disturbs nothing of Qt's;
// null where the compositor has none.
wl_proxy *gtkShell(wl_display *display)
{
    static wl_proxy *shell = [display]() -> wl_proxy * {
        wl_event_queue *queue = wl_display_create_queue(display);
        auto *wrapper = static_cast<wl_display *>(wl_proxy_create_wrapper(display));
        wl_proxy_set_queue(reinterpret_cast<wl_proxy *>(wrapper), queue);
        wl_registry *registry = wl_display_get_registry(wrapper);
        wl_proxy_wrapper_destroy(wrapper);
        struct Found
        {
            wl_registry *registry;
            wl_proxy *shell = nullptr;
        } found {registry};
        static const wl_registry_listener listener = {
            [](void *data, wl_registry *, uint32_t name, const char *interface, uint32_t) {
                auto *found = static_cast<Found *>(data);
                if (!found->shell && std::strcmp(interface, GtkShellInterface.name) == 0)
                    found->shell
                        = static_cast<wl_proxy *>(wl_registry_bind(found->registry, name, &GtkShellInterface, 1));
            },
            [](void *, wl_registry *, uint32_t) {},
        };
        wl_registry_add_listener(registry, &listener, &found);
        wl_display_roundtrip_queue(display, queue);
        wl_registry_destroy(registry);
        // What the shell and its companions say is of no interest: on Qt's queue, without a listener, it is
        // dropped as it comes.
        if (found.shell)
            wl_proxy_set_queue(found.shell, nullptr);
        wl_event_queue_destroy(queue);
        return found.shell;
    }();
    return shell;
}

} // namespace

void declareModalDialog(QWidget *dialog)
{
    QWindow *window = dialog->windowHandle();
    QPlatformNativeInterface *native = QGuiApplication::platformNativeInterface();
    if (!window || !native || !QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return;
    auto *display = static_cast<wl_display *>(native->nativeResourceForIntegration("wl_display"));
    auto *surface = static_cast<wl_proxy *>(native->nativeResourceForWindow("surface", window));
    if (!display || !surface)
        return;
    wl_proxy *shell = gtkShell(display);
    if (!shell)
        return;
    wl_proxy *companion = wl_proxy_marshal_flags(
        shell, GetGtkSurface, &GtkSurfaceInterface, wl_proxy_get_version(shell), 0, nullptr, surface);
    wl_proxy_marshal_flags(companion, SetModal, nullptr, wl_proxy_get_version(companion), 0);
    // Version 1 has no request to let the companion go; the compositor keeps the mark with the window.
    wl_proxy_destroy(companion);
    wl_display_flush(display);
}
