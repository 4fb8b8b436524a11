#include "platform/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace Platform {

QString useDesktopLanguage()
{
    auto *game = new QTranslator(QCoreApplication::instance());
    if (!game->load(QLocale(), QStringLiteral("tomelor"), QStringLiteral("_"), QStringLiteral(":/i18n"))) {
        delete game;
        return {};
    }
    QCoreApplication::installTranslator(game);
    // The game's scores read as the language writes numbers, and its help pages are found in that language,
    // whatever the desktop's number format.
    const QString language = game->language();
    QLocale::setDefault(QLocale(language));
    auto *qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return language;
}

} // namespace Platform
