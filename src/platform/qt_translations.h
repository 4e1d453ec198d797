#pragma once
// Qt's own texts (message-box buttons, file and print dialogs, the text fields' menus) in the
// program's language, from the translations Qt installs (Debian: qt6-translations-l10n).

#include <QString>

// Puts Qt's translation for the locale ("zh_CN") in force in place of the one before; "" or a
// locale Qt has no translation for leaves Qt's texts in English. True when a translation is in
// force afterwards. Needs the application object; without one it does nothing.
bool UseQtTranslations(const QString &localeName);
