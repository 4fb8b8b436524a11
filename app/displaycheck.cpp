#include "app/displaycheck.h"

#include <QByteArray>
#include <QList>
#include <QtGlobal>

#include <algorithm>

namespace {

// Qt's platforms that draw into memory, a frame buffer or a remote viewer rather than onto a window system.
const QList<QByteArray> PlatformsWithoutDisplay { "offscreen", "minimal", "minimalegl", "eglfs", "linuxfb", "vnc",
                                                  "vkkhrdisplay" };

} // namespace

std::string missingDisplayMessage()
{
    // The setting is a list of platforms to try in turn, each with options after a colon.
    const QList<QByteArray> platforms = qgetenv("QT_QPA_PLATFORM").split(';');
    const bool needsNoDisplay = std::ranges::any_of(platforms, [](const QByteArray &platform) {
        return PlatformsWithoutDisplay.contains(platform.split(':').first().trimmed());
    });
    if (needsNoDisplay || !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return {};
    return "tomelor: no display to open a window on: neither DISPLAY nor WAYLAND_DISPLAY is set";
}
