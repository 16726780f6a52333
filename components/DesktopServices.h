#pragma once

#include <QString>
#include <functional>

#include "components/HelpFile.h"
#include "engine/BeepKind.h"

class QWidget;

// What the program's windows ask of the desktop around them: a message sound,
// where the help file lies, opening a file with its default program, and
// choosing a sound file. Each window that needs them is given them when it is
// made; tests give recorders.
struct DesktopServices {
    // Sounds a message sound. Silent when empty: the desktop bell is silent on
    // most Linux desktops, so the program puts its own sound player here.
    std::function<void(BeepKind kind)> MessageBeep;
    // The help file's full path, or empty text when there is none.
    std::function<QString()> HelpFilePath = HelpFile;
    // Opens a file with the desktop's default program, as the shell's "OPEN"
    // verb does, for the window that asked (the owner of what the shell may
    // show). The result is not reported.
    std::function<void(QWidget* owner, const QString& absolutePath)> ShellOpen = OpenWithDesktop;
    // Asks for a sound file: the chosen path, or empty text when the user
    // cancels. Empty: the settings dialog's own file chooser.
    std::function<QString(QWidget* owner)> ChooseSoundFile;

    static void OpenWithDesktop(QWidget* owner, const QString& absolutePath);
};
