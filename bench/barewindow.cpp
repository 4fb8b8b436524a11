// A bare Qt window of the main window's size, the baseline of the game's start-up and memory. It links Qt Widgets
// and nothing else, shows the window, writes on standard output the moment its first paint is complete and ends.

#include "firstpaint.h"
#include "platform.h"

#include <QWidget>

int main(int argc, char *argv[])
{
    chooseQtPlatform();
    QWidget *window = nullptr;
    FirstPaintApplication app(argc, argv, [&window](QObject *receiver) { return receiver == window; });
    QWidget bare;
    bare.setWindowTitle(QStringLiteral("Bare window"));
    bare.setFixedSize(632, 453);
    window = &bare;
    bare.show();
    app.exec();
    return EXIT_FAILURE;
}
