#pragma once

#include <QString>

// Where the user's own settings store lives on this platform, and the
// clearing up after writers of a store file that were killed. Each platform
// has its own file: on Linux the store is a text file guarded by lock files
// (StoreFilesLinux.cpp); on Windows it is a registry key, which the system
// keeps whole by itself (StoreFilesWindows.cpp).
namespace StoreFiles {

// The file of the user's own store; empty where the store is no file.
QString NativeStoreFile();

// Removes the lock files of the store file that a killed writer left behind.
void RemoveAbandonedLockFiles(const QString& storeFile);

// Removes the temporary files beside the store file that a writer killed
// before renaming left behind.
void RemoveLeftOverTemporaryFiles(const QString& storeFile);

} // namespace StoreFiles
