#pragma once

#include <QString>

#include "components/UseLanguage.h"

// The folders where the help file "Brimal.txt" may lie.
struct HelpFileFolders {
    QString current; // the current directory
    QString program; // the folder of the running program
    QString build;   // the build folder, which keeps a copy next to the program it builds;
                     // empty in the Windows program
};

// The full path of the help file: "Brimal.txt" in the current directory when
// it is there, as the help command always opened it; otherwise the copy
// installed with the program (InstalledHelpFolder), so that an installation
// anywhere (moved or unpacked too) finds its own; otherwise the build folder's
// copy. Empty when none of them exists. An empty folder is not searched.
// In English the English help file "Brimal.en.txt" is taken in the first
// folder that holds either file, and "Brimal.txt" where it is missing there.
QString FindHelpFile(const HelpFileFolders& folders, Language language = Language::Japanese);

// Where the help file is installed for a program in the given folder: beside
// it on Windows, in ../share/brimal on Linux (DesktopServices<platform>.cpp).
QString InstalledHelpFolder(const QString& programFolder);

// FindHelpFile over this process's current directory, the program's folder and,
// on Linux, the folder that the program was built in, in the language in use.
QString HelpFile();
