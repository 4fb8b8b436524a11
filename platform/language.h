#pragma once

#include <QString>

namespace Platform {

// Speaks the desktop's language where the game has a translation of it: the first of the player's languages
// (LANGUAGE, then LC_ALL, LC_MESSAGES and LANG, as QLocale::uiLanguages() reads them) that the game was translated
// into, with Qt's own words (the Yes and No of a question) in the same language. Numbers in texts and the help
// pages follow the language chosen. Returns its name ("de", "pt_BR"); English, the language the game is written
// in, and any language without a translation return an empty name.
QString useDesktopLanguage();

} // namespace Platform
