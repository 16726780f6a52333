#include "app/platform/PadMappingsFile.h"

#include <QDir>
#include <QFileInfo>

#include "scores/HighScoreStore.h"

QString PadMappingsFile() {
    return QFileInfo(HighScoreStore::UserFilePath())
        .dir()
        .filePath(QStringLiteral("gamecontrollerdb.txt"));
}
