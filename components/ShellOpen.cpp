#include "components/ShellOpen.h"

#include <QDesktopServices>
#include <QDir>
#include <QUrl>

namespace {

std::function<void(const QString&)>& Opener() {
    static std::function<void(const QString&)> opener;
    return opener;
}

} // namespace

void ShellOpen(const QString& fileName) {
    const QString path = QDir::current().absoluteFilePath(fileName);
    if (Opener()) {
        Opener()(path);
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void SetShellOpener(std::function<void(const QString& absolutePath)> opener) {
    Opener() = std::move(opener);
}
