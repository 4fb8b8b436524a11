// A bare Qt window of the main window's size, the baseline of the game's start-up and memory. It links Qt Widgets
// and nothing else, shows the window, writes on standard output the moment its first paint is done (on the clock
// of processclock.h) and ends.

#include "platform.h"
#include "processclock.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

// Ends the program once the window's first paint is done: the paint event has been handled and its picture
// handed to the window system, so the event loop runs again.
class FirstPaint : public QObject
{
public:
    explicit FirstPaint(QWidget *window)
        : m_window(window)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_painted) {
            m_painted = true;
            QTimer::singleShot(0, m_window, [] {
                std::printf("%lld\n", static_cast<long long>(monotonicNanoseconds()));
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    QWidget *m_window;
    bool m_painted = false;
};

} // namespace

int main(int argc, char *argv[])
{
    chooseQtPlatform();
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.setFixedSize(632, 453);
    FirstPaint firstPaint(&window);
    window.show();
    return app.exec();
}
