#pragma once

#include "processclock.h"

#include <QApplication>
#include <QList>
#include <QThread>

#include <cstdio>
#include <cstdlib>
#include <functional>

// A QApplication that writes on standard output the moment (on the clock of processclock.h) the first paint of
// each watched window is complete, one line per window in the order they were given, then hands over to a
// continuation. Complete means that the event which caused the paint, an expose or an update request, has been
// handled: every widget of the window has been painted and the picture has been handed to the window system.
class FirstPaintApplication : public QApplication
{
public:
    // Whether a paint event sent to this object is a paint of a watched window or of one of its widgets.
    using Watched = std::function<bool(QObject *)>;

    FirstPaintApplication(int &argc, char **argv, QList<Watched> windows, std::function<void()> then = endProcess)
        : QApplication(argc, argv)
        , m_windows(std::move(windows))
        , m_then(std::move(then))
        , m_states(m_windows.size(), State::Waiting)
        , m_paintedAt(m_windows.size(), 0)
    {
    }

    // Ends the process on the spot, leaving out whatever would follow the first paints.
    static void endProcess() { std::_Exit(EXIT_SUCCESS); }

    bool notify(QObject *receiver, QEvent *event) override
    {
        // Other threads (the sound system's loader, for one) deliver events too; only the main thread's nesting
        // tells when the paint's event has been handled.
        if (QThread::currentThread() != thread() || m_finished)
            return QApplication::notify(receiver, event);
        if (event->type() == QEvent::Paint) {
            for (qsizetype i = 0; i < m_windows.size(); ++i) {
                if (m_states[i] == State::Waiting && m_windows[i](receiver))
                    m_states[i] = State::Painting;
            }
        }
        ++m_depth;
        const bool handled = QApplication::notify(receiver, event);
        if (--m_depth == 0 && m_states.contains(State::Painting))
            paintsHandled();
        return handled;
    }

private:
    enum class State { Waiting, Painting, Done };

    void paintsHandled()
    {
        const std::int64_t now = monotonicNanoseconds();
        for (qsizetype i = 0; i < m_states.size(); ++i) {
            if (m_states[i] == State::Painting) {
                m_states[i] = State::Done;
                m_paintedAt[i] = now;
            }
        }
        if (m_states.count(State::Done) < m_states.size())
            return;
        m_finished = true;
        for (const std::int64_t at : m_paintedAt)
            std::printf("%lld\n", static_cast<long long>(at));
        std::fflush(stdout);
        m_then();
    }

    QList<Watched> m_windows;
    std::function<void()> m_then;
    QList<State> m_states;
    QList<std::int64_t> m_paintedAt;
    int m_depth = 0;
    bool m_finished = false;
};
