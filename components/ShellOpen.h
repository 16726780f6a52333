#pragma once

#include <QString>
#include <functional>

// Opens a file with the desktop's default program for it, as the shell's
// "OPEN" verb does. A relative name is resolved against the current directory.
// The result is not reported: a missing file or a failing desktop shows
// nothing.
void ShellOpen(const QString& fileName);

// Replaces what ShellOpen does (tests record the request instead of starting
// an editor). An empty function restores the desktop's opener.
void SetShellOpener(std::function<void(const QString& absolutePath)> opener);
