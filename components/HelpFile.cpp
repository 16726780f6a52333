#include "components/HelpFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

const QString HelpFileName = QStringLiteral("Brimal.txt");

} // namespace

QString FindHelpFile(const HelpFileFolders& folders) {
    const QString candidates[] = {
        folders.current,
        folders.program.isEmpty() ? QString() : InstalledHelpFolder(folders.program),
        folders.build,
    };
    for (const QString& folder : candidates) {
        if (folder.isEmpty()) continue;
        const QFileInfo file(QDir(folder), HelpFileName);
        if (file.isFile()) return QDir::cleanPath(file.absoluteFilePath());
    }
    return {};
}

QString HelpFile() {
#ifdef BRIMAL_BUILD_FOLDER
    const QString buildFolder = QStringLiteral(BRIMAL_BUILD_FOLDER);
#else
    const QString buildFolder;
#endif
    return FindHelpFile({QDir::currentPath(), QCoreApplication::applicationDirPath(), buildFolder});
}
