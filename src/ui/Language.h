#pragma once

#include <QString>
#include <QStringList>

namespace marovane {

// The languages the window speaks: English, the language the program is written in, and one
// compiled-in catalogue per translation. Qt's own dialogs and buttons take the matching
// catalogue that comes with Qt.

// The codes of the translations built into the program ("de"), not counting English.
QStringList InstalledLanguages();
// A language's name in that language, for the menu: "English", "Deutsch".
QString LanguageName(const QString& code);
// The language to start in: the chosen one when it is installed, otherwise the system's when
// it is, otherwise English. An empty choice follows the system.
QString LanguageToUse(const QString& chosen, const QString& systemLanguage);
// Puts the catalogues of a language in place of those installed before; "en" removes them.
// Texts shown afterwards are in that language. Returns the language now in use.
QString InstallLanguage(const QString& code);
// The language the player chose (Options > Language), or the system's when he chose none,
// installed at the start of the program. Returns the language in use.
QString InstallStartLanguage(const QString& chosen);
// The language installed last ("en" before any).
QString CurrentLanguage();

} // namespace marovane
