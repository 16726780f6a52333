#include "settings/StoreFiles.h"

// On Windows the user's own store is the registry key
// HKEY_CURRENT_USER\Software\Kelvox\Brimal: each value is written on its own
// and the system keeps the key whole, so there are neither lock files nor
// temporary files to clear up. A store given as a file (the tests') is
// written by the settings object alone, as on any platform.
namespace StoreFiles {

QString NativeStoreFile() {
    return {};
}

void RemoveAbandonedLockFiles(const QString&) {}

void RemoveLeftOverTemporaryFiles(const QString&) {}

} // namespace StoreFiles
