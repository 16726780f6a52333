#include "components/HelpFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace {

const QString HelpFileName = QStringLiteral("Brimal.txt");
const QString EnglishHelpFileName = QStringLiteral("Brimal.en.txt");

} // namespace

QString FindHelpFile(const HelpFileFolders& folders, Language language) {
    QStringList names{HelpFileName};
    if (language == Language::English) names.prepend(EnglishHelpFileName);
    const QString candidates[] = {
        folders.current,
        folders.program.isEmpty() ? QString() : InstalledHelpFolder(folders.program),
        folders.build,
    };
    for (const QString& folder : candidates) {
        if (folder.isEmpty()) continue;
        for (const QString& name : names) {
            const QFileInfo file(QDir(folder), name);
            if (file.isFile()) return QDir::cleanPath(file.absoluteFilePath());
        }
    }
    return {};
}

QString HelpFile() {
#ifdef BRIMAL_BUILD_FOLDER
    const QString buildFolder = QStringLiteral(BRIMAL_BUILD_FOLDER);
#else
    const QString buildFolder;
#endif
    return FindHelpFile({QDir::currentPath(), QCoreApplication::applicationDirPath(), buildFolder},
                        CurrentLanguage());
}
