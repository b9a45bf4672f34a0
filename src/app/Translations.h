#pragma once

class QCoreApplication;

// Installs the program's translations for the user's languages (QLocale::system(): LANGUAGE,
// LC_ALL, LC_MESSAGES, LANG), before any window is made: Qt's own texts from Qt's translations
// folder and Norvane's from its resources, each where one exists. Below them lie the English
// plural forms (installEnglishPlurals). The translators belong to `app`.
void installTranslations(QCoreApplication& app);

// Installs the English forms of the counted texts ("1 object", "2 objects") once, under any
// translation installed later; a window that counts calls it, so that it counts in English even
// where no translation was installed. The translator belongs to the application object.
void installEnglishPlurals();
