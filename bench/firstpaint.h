#pragma once

#include "processclock.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <functional>

// A QApplication that ends the process as soon as the first paint of a watched window is complete, writing the
// moment on standard output (on the clock of processclock.h). Complete means that the event which caused the
// paint, an expose or an update request, has been handled: every widget of the window has been painted and the
// picture has been handed to the window system.
class FirstPaintApplication : public QApplication
{
public:
    // Whether a paint event sent to this object is a paint of the watched window or of one of its widgets.
    using Watched = std::function<bool(QObject *)>;

    FirstPaintApplication(int &argc, char **argv, Watched watched)
        : QApplication(argc, argv)
        , m_watched(std::move(watched))
    {
    }

    bool notify(QObject *receiver, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && m_watched(receiver))
            m_painted = true;
        ++m_depth;
        const bool handled = QApplication::notify(receiver, event);
        if (--m_depth == 0 && m_painted) {
            std::printf("%lld\n", static_cast<long long>(monotonicNanoseconds()));
            std::fflush(stdout);
            std::_Exit(EXIT_SUCCESS);
        }
        return handled;
    }

private:
    Watched m_watched;
    int m_depth = 0;
    bool m_painted = false;
};
