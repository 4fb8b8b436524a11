#pragma once

#include "processclock.h"

#include <QApplication>
#include <QThread>

#include <cstdio>
#include <cstdlib>
#include <functional>

// A QApplication that writes on standard output the moment (on the clock of processclock.h) the first paint of a
// watched window is complete, then hands over to a continuation. Complete means that the event which caused the
// paint, an expose or an update request, has been handled: every widget of the window has been painted and the
// picture has been handed to the window system.
class FirstPaintApplication : public QApplication
{
public:
    // Whether a paint event sent to this object is a paint of the watched window or of one of its widgets.
    using Watched = std::function<bool(QObject *)>;

    FirstPaintApplication(int &argc, char **argv, Watched watched, std::function<void()> then = endProcess)
        : QApplication(argc, argv)
        , m_watched(std::move(watched))
        , m_then(std::move(then))
    {
    }

    // Ends the process on the spot, leaving out whatever would follow the first paint.
    static void endProcess() { std::_Exit(EXIT_SUCCESS); }

    bool notify(QObject *receiver, QEvent *event) override
    {
        // Other threads (the sound system's loader, for one) deliver events too; only the main thread's nesting
        // tells when the paint's event has been handled.
        if (QThread::currentThread() != thread())
            return QApplication::notify(receiver, event);
        if (m_state == State::Waiting && event->type() == QEvent::Paint && m_watched(receiver))
            m_state = State::Painting;
        ++m_depth;
        const bool handled = QApplication::notify(receiver, event);
        if (--m_depth == 0 && m_state == State::Painting) {
            m_state = State::Done;
            std::printf("%lld\n", static_cast<long long>(monotonicNanoseconds()));
            std::fflush(stdout);
            m_then();
        }
        return handled;
    }

private:
    enum class State { Waiting, Painting, Done };

    Watched m_watched;
    std::function<void()> m_then;
    int m_depth = 0;
    State m_state = State::Waiting;
};
