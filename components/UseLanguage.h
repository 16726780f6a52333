#pragma once

#include <QLibraryInfo>
#include <QString>

// The languages of the program's texts. Japanese is the program's own: its
// texts are written in the sources, and it needs no catalogue.
enum class Language { Japanese, English };

// Makes the language the program's, at once: in English the program's
// English catalogue (embedded, ":/i18n/brimal_en.qm") and Qt's built-in
// English texts; in Japanese no catalogue of the program and Qt's own
// Japanese texts (qtbase_ja.qm from the folder given) as before. Installing or
// removing a catalogue sends QEvent::LanguageChange to every widget, which
// retranslates the open windows. Choosing the language in use changes
// nothing. Returns false, and keeps the language in use, when the English
// catalogue cannot be loaded; a missing qtbase_ja.qm only leaves Qt's texts
// in English.
//
// Threads: the UI thread.
bool UseLanguage(Language language,
                 const QString& qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath));

// The language chosen last with UseLanguage; Japanese before any choice.
Language CurrentLanguage();
