#include "app/gameapplication.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    GameApplication game;
    return app.exec();
}
