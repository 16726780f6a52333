#include "components/DesktopServices.h"

#include <QDir>

#include <windows.h>
// After windows.h, whose types it uses.
#include <shellapi.h>

void DesktopServices::OpenWithDesktop(const QString& absolutePath) {
    const std::wstring path = QDir::toNativeSeparators(absolutePath).toStdWString();
    ShellExecuteW(nullptr, L"open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

QString InstalledHelpFolder(const QString& programFolder) {
    return programFolder;
}
