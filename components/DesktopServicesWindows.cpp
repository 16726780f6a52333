#include "components/DesktopServices.h"

#include <QDir>
#include <QWidget>

#include <windows.h>
// After windows.h, whose types it uses.
#include <shellapi.h>

void DesktopServices::OpenWithDesktop(QWidget* owner, const QString& absolutePath) {
    const std::wstring path = QDir::toNativeSeparators(absolutePath).toStdWString();
    // The owner's window parents whatever the shell shows (an "open with"
    // question, an error), so it comes up over the game and not behind it.
    const HWND ownerWindow = owner ? reinterpret_cast<HWND>(owner->window()->winId()) : nullptr;
    ShellExecuteW(ownerWindow, L"open", path.c_str(), nullptr, nullptr, SW_SHOW);
}

QString InstalledHelpFolder(const QString& programFolder) {
    return programFolder;
}
