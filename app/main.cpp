#include "app/gameapplication.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral(TOMELOR_APP_ID));
    GameApplication game;
    return app.exec();
}
