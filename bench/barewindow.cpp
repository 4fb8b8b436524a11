// A bare Qt window of the main window's size, the baseline of the game's start-up and memory. It links Qt Widgets
// and nothing else, shows the window and writes on standard output the moment its first paint is complete. Then
// it ends at once, or with --linger MS it stays up that long first, as a window that is used does.
//
//     bench_bare [--linger MS]

#include "firstpaint.h"
#include "platform.h"

#include <QTimer>
#include <QWidget>

#include <cstring>

int main(int argc, char *argv[])
{
    chooseQtPlatform();
    const int linger = argc == 3 && std::strcmp(argv[1], "--linger") == 0 ? std::atoi(argv[2]) : 0;
    QWidget *window = nullptr;
    FirstPaintApplication app(argc, argv, {[&window](QObject *receiver) { return receiver == window; }}, [linger] {
        if (linger <= 0)
            FirstPaintApplication::endProcess();
        QTimer::singleShot(linger, &QCoreApplication::quit);
    });
    QWidget bare;
    bare.setWindowTitle(QStringLiteral("Bare window"));
    bare.setFixedSize(632, 453);
    window = &bare;
    bare.show();
    return app.exec();
}
