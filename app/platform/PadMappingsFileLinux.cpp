#include "app/platform/PadMappingsFile.h"

#include <QDir>
#include <QFileInfo>

#include "settings/StoreFiles.h"

QString PadMappingsFile() {
    return QFileInfo(StoreFiles::NativeStoreFile())
        .dir()
        .filePath(QStringLiteral("gamecontrollerdb.txt"));
}
