#include "app/commandline.h"
#include "app/displaycheck.h"
#include "app/gameapplication.h"
#include "platform/language.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (const std::optional<int> status = answerCommandLine(argc, argv))
        return *status;
    if (const std::string message = missingDisplayMessage(); !message.empty()) {
        std::fprintf(stderr, "%s\n", message.c_str());
        return 1;
    }
    QApplication app(argc, argv);
    Platform::useDesktopLanguage();
    QGuiApplication::setDesktopFileName(QStringLiteral(TOMELOR_APP_ID));
    GameApplication game;
    return app.exec();
}
