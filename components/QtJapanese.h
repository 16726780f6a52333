#pragma once

#include <QLibraryInfo>
#include <QString>

// Installs Qt's own Japanese texts (qtbase_ja.qm from the folder given, by
// default Qt's translations folder) whatever the system's language: every text
// of the program is Japanese, and so should be the buttons and labels of the
// standard dialogs and the edit fields' context menus. Returns whether the
// translation was found; without it nothing changes.
bool InstallQtJapanese(const QString& folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath));
