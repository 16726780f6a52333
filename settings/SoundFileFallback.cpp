#include "settings/SoundFileFallback.h"

#include <QFileInfo>
#include <QString>

void ApplySoundFileFallback(TGameSettings& settings) {
    for (int n = 1; n <= 3; ++n) {
        const QString name = QString::fromStdString(settings.SoundFiles[n]);
        // QFileInfo with an empty name would look at the current folder.
        if (name.isEmpty() || !QFileInfo(name).isFile()) settings.SoundFiles[n] = StandardSound;
    }
}
