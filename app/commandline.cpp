#include "app/commandline.h"

#include "platform/language.h"

#include <QCoreApplication>

#include <cstdio>
#include <string_view>

std::optional<int> answerCommandLine(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--version") {
            std::puts("tomelor " TOMELOR_VERSION);
            return 0;
        }
        if (argument == "--help" || argument == "-h") {
            // The help speaks the desktop's language too; a core application is all its translation needs.
            QCoreApplication core(argc, argv);
            Platform::useDesktopLanguage();
            std::puts(qPrintable(QCoreApplication::translate("CommandLine",
                "Usage: tomelor [--help | --version]\n"
                "Tomelor! is a game for learning the order of the books of the Bible.\n"
                "Without an option it opens its window on the desktop.\n"
                "\n"
                "  -h, --help   Shows this help and exits.\n"
                "  --version    Shows the version of the program and exits.")));
            return 0;
        }
    }
    return std::nullopt;
}
