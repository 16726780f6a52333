#include "components/DesktopServices.h"

#include <QDesktopServices>
#include <QUrl>

void DesktopServices::OpenWithDesktop(QWidget*, const QString& absolutePath) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(absolutePath));
}

QString InstalledHelpFolder(const QString& programFolder) {
    return programFolder + QStringLiteral("/../share/brimal");
}
