#pragma once

#include <QByteArray>
#include <QtGlobal>

// The window system a measurement runs on: the X server named by DISPLAY where there is one, else Qt's
// offscreen platform. A QT_QPA_PLATFORM already set wins. Call it before the QApplication is created; children
// started afterwards inherit the choice.
inline void chooseQtPlatform()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", qEnvironmentVariableIsEmpty("DISPLAY") ? "offscreen" : "xcb");
}

// How the choice reads in a report: "xcb on :7" or "offscreen".
inline QByteArray qtPlatformDescription()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    return platform == "xcb" ? platform + " on " + qgetenv("DISPLAY") : platform;
}
