#include "settings/StoreFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringList>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace StoreFiles {

// Where QSettings keeps the user's own store on Linux.
QString NativeStoreFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Kelvox/Brimal.conf");
}

// A writer of the store file holds its lock file, and the file that guards
// the removal of a stale lock, under flock(2) for as long as it uses them, and
// the system drops such a hold when the writer dies. So a file of either name
// that nobody holds was left by a writer that was killed or crashed. The
// settings object cannot always tell: a writer killed between creating its
// lock file and filling it in leaves it empty, and the settings object takes an
// empty lock file for a live writer's until it is 30 s old, waiting that long
// in every save meanwhile (the settings dialog's OK would freeze).
void RemoveAbandonedLockFiles(const QString& storeFile) {
    for (const QString& name : {storeFile + ".lock", storeFile + ".lock.rmlock"}) {
        const QByteArray path = QFile::encodeName(name);
        const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
        if (fd < 0) continue;
        struct stat held {};
        struct stat named {};
        // Only the file still under that name: a writer may have replaced it.
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &held) == 0 &&
            ::lstat(path.constData(), &named) == 0 && held.st_ino == named.st_ino &&
            held.st_dev == named.st_dev) {
            ::unlink(path.constData());
        }
        ::close(fd);
    }
}

// The settings object writes the new store file under a temporary name beside
// it, the store file's name and six random letters and digits, and renames it
// over the old one; a writer killed in between leaves that file behind for
// good. They are removed while this process holds the store's lock, since a
// live writer makes one only while it holds the lock. A name whose six
// characters are not of both cases is kept, so that a copy the user made
// ("Brimal.conf.backup") is never taken for one; about one left-over file in
// thirteen stays for that reason.
void RemoveLeftOverTemporaryFiles(const QString& storeFile) {
    const QFileInfo store(storeFile);
    QDir folder = store.absoluteDir();
    const QRegularExpression temporary("\\A" + QRegularExpression::escape(store.fileName()) +
                                       "\\.[A-Za-z0-9]{6}\\z");
    QStringList names =
        folder.entryList({store.fileName() + ".*"}, QDir::Files | QDir::Hidden | QDir::System);
    names.removeIf([&](const QString& name) {
        const QString suffix = name.right(6);
        return !temporary.match(name).hasMatch() || suffix.toLower() == suffix ||
               suffix.toUpper() == suffix;
    });
    if (names.isEmpty()) return;
    QLockFile lock(storeFile + ".lock");
    if (!lock.tryLock(0)) return;
    for (const QString& name : names)
        folder.remove(name);
}

} // namespace StoreFiles
