// How long the game takes to come up: from the process start to the first paint of the main window, and to
// the event loop (which includes the splash's one-second hold). Prints one line per run; run it several times.

#include "app/frmmain.h"
#include "app/gameapplication.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <ctime>
#include <unistd.h>

namespace {

// Milliseconds since the process started, from the kernel's record of its start (in clock ticks since boot).
double sinceProcessStart()
{
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = stat.readAll().split(')').last().trimmed().split(' ');
    const double startTicks = fields.value(19).toDouble(); // field 22 of the whole line
    timespec now {};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return (now.tv_sec + now.tv_nsec / 1e9) * 1000.0 - startTicks * 1000.0 / double(sysconf(_SC_CLK_TCK));
}

// Notes when the main window is first painted.
class FirstPaint : public QObject
{
public:
    double at = -1;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && at < 0 && qobject_cast<TfrmMain *>(watched))
            at = sinceProcessStart();
        return false;
    }
};

} // namespace

int main(int argc, char *argv[])
{
    const double atMain = sinceProcessStart();
    // A player who has started the game before: no welcome page, the settings file in a folder of its own.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    QFile settings(config.filePath(QStringLiteral("Tomelor.ini")));
    if (!settings.open(QIODevice::WriteOnly) || settings.write("[Settings]\nFirst Time=0\n") < 0)
        return 1;
    settings.close();

    QApplication app(argc, argv);
    FirstPaint firstPaint;
    app.installEventFilter(&firstPaint);
    double atLoop = -1;
    GameApplication game;
    QTimer::singleShot(0, [&] {
        atLoop = sinceProcessStart();
        app.quit();
    });
    app.exec();
    std::printf("main() at %6.1f ms, main window painted at %6.1f ms, event loop running at %6.1f ms\n", atMain,
                firstPaint.at, atLoop);
    return 0;
}
