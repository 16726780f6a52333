#include "settings/SettingsStore.h"

#include "engine/Assert.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QStringList>
#include <QVariant>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <limits>
#include <optional>

namespace {

// The text of a stored value, or nothing when the value is missing or is not
// text (a typed value such as @Variant(...) or @ByteArray(...) in a
// hand-edited file, a non-string registry value). An unquoted comma in a
// hand-edited file makes the value a list; it is joined back at the commas it
// was split at, though blanks around them are lost.
std::optional<QString> StoredText(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::QString:
        return value.toString();
    case QMetaType::QStringList:
        return value.toStringList().join(u',');
    default:
        return std::nullopt;
    }
}

std::optional<int> ParseInteger(const QString& text) {
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    if (i == text.size()) return std::nullopt;
    // One more than the largest int, so that the most negative one fits.
    constexpr long long limit = static_cast<long long>(std::numeric_limits<int>::max()) + 1;
    long long magnitude = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9') return std::nullopt;
        magnitude = magnitude * 10 + (c - u'0');
        if (magnitude > limit) return std::nullopt;
    }
    const long long value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<int>::max()) return std::nullopt;
    return static_cast<int>(value);
}

// The file of the user's own store, where QSettings keeps it on this platform
// (the registry on Windows, a property list on macOS: nothing to check there).
QString NativeStoreFile() {
#if defined(Q_OS_WIN) || defined(Q_OS_DARWIN)
    return {};
#else
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Kelvox/Brimal.conf");
#endif
}

// Whether the settings object may open the file: not when it is there but is
// neither a regular file nor a folder. Opening a named pipe waits for a writer,
// for ever if none comes; and a store linked to a device (/dev/null, say) is
// written through the link, so that the saved file would take the device's
// place wherever the program has the rights to do so.
bool MayOpen(const QString& path) {
    const QFileInfo file(path);
    return path.isEmpty() || !file.exists() || file.isFile() || file.isDir();
}

// A writer of the store file holds its lock file, and the file that guards
// the removal of a stale lock, under flock(2) for as long as it uses them, and
// the system drops such a hold when the writer dies. So a file of either name
// that nobody holds was left by a writer that was killed or crashed. The
// settings object cannot always tell: a writer killed between creating its
// lock file and filling it in leaves it empty, and the settings object takes an
// empty lock file for a live writer's until it is 30 s old, waiting that long
// in every save meanwhile (the settings dialog's OK would freeze).
void RemoveAbandonedLockFiles([[maybe_unused]] const QString& storeFile) {
#ifdef Q_OS_UNIX
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
#endif
}

// The settings object writes the new store file under a temporary name beside
// it, the store file's name and six random letters and digits, and renames it
// over the old one; a writer killed in between leaves that file behind for
// good. They are removed while this process holds the store's lock, since a
// live writer makes one only while it holds the lock. A name whose six
// characters are not of both cases is kept, so that a copy the user made
// ("Brimal.conf.backup") is never taken for one; about one left-over file in
// thirteen stays for that reason.
void RemoveLeftOverTemporaryFiles([[maybe_unused]] const QString& storeFile) {
#ifdef Q_OS_UNIX
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
#endif
}

// The settings object writes the new file in one call and ignores a failure
// of it: on a disk without room it renames an empty or cut-off file over the
// store and reports success, and every setting on disk is lost. So a batch is
// written only when the disk has room for the whole new file beside the old one
// and a lock file, and a file that still comes out empty or cut off (another
// program took the room meanwhile) is reported as a failure.
constexpr qint64 lockFileRoom = 8192;

// Whether the store is a text file: the native store is one on Linux and
// other Unix systems, and the registry on Windows.
bool StoredInFile(const QSettings& settings) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    Q_UNUSED(settings);
    return true;
#else
    return settings.format() == QSettings::IniFormat;
#endif
}

bool HasRoomFor(const QString& storeFile, qint64 batchBytes) {
    const QFileInfo store(storeFile);
    const QStorageInfo disk(store.absolutePath());
    // No way to tell: not a file, or a file system that gives no sizes.
    if (!disk.isValid() || disk.bytesTotal() <= 0) return true;
    return disk.bytesAvailable() >= store.size() + batchBytes + lockFileRoom;
}

// Every line the settings object writes ends in a line feed, the last one
// included.
bool WrittenInFull(const QString& storeFile) {
    QFile file(storeFile);
    if (!file.open(QIODevice::ReadOnly) || file.size() == 0) return false;
    char last = 0;
    return file.seek(file.size() - 1) && file.getChar(&last) && last == '\n';
}

} // namespace

SettingsStore::SettingsStore() : settings_(Open()) {}

SettingsStore::SettingsStore(const QString& iniFilePath)
    : iniFilePath_(iniFilePath), settings_(Open()) {}

SettingsStore::~SettingsStore() {
    // The settings object stores what a failed batch left on its way out.
    RemoveAbandonedLockFiles(FileName());
}

std::unique_ptr<QSettings> SettingsStore::Open() const {
    if (!MayOpen(iniFilePath_.isEmpty() ? NativeStoreFile() : iniFilePath_)) return nullptr;
    if (iniFilePath_.isEmpty()) {
        return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, "Kelvox",
                                           "Brimal");
    }
    return std::make_unique<QSettings>(iniFilePath_, QSettings::IniFormat);
}

QString SettingsStore::FileName() const {
    if (settings_) return settings_->fileName();
    return iniFilePath_.isEmpty() ? NativeStoreFile() : iniFilePath_;
}

QString SettingsStore::Key(const QString& section, const QString& ident) const {
    BRIMAL_ASSERT(!section.contains(u'/') && !section.contains(u'\\'));
    BRIMAL_ASSERT(!ident.contains(u'/') && !ident.contains(u'\\'));
    return section + u'/' + ident;
}

QString SettingsStore::ReadString(const QString& section, const QString& ident,
                                  const QString& defaultValue) const {
    if (!settings_) return defaultValue;
    return StoredText(settings_->value(Key(section, ident))).value_or(defaultValue);
}

int SettingsStore::ReadInteger(const QString& section, const QString& ident,
                               int defaultValue) const {
    if (!settings_) return defaultValue;
    const std::optional<QString> text = StoredText(settings_->value(Key(section, ident)));
    if (!text) return defaultValue;
    return ParseInteger(*text).value_or(defaultValue);
}

bool SettingsStore::ReadBool(const QString& section, const QString& ident,
                             bool defaultValue) const {
    return ReadInteger(section, ident, defaultValue ? 1 : 0) != 0;
}

void SettingsStore::WriteString(const QString& section, const QString& ident, const QString& text) {
    Write(section, ident, text);
}

void SettingsStore::WriteInteger(const QString& section, const QString& ident, int value) {
    Write(section, ident, QString::number(value));
}

void SettingsStore::WriteBool(const QString& section, const QString& ident, bool value) {
    Write(section, ident, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void SettingsStore::Write(const QString& section, const QString& ident, const QString& text) {
    if (!batchStarted_) {
        // The settings object keeps the first error it ever met, be it a
        // malformed file at start-up or an earlier batch that failed. A fresh
        // one lets this batch be judged on its own; the old one tries once more
        // to store what it still holds as it goes, so a batch lost to a folder
        // that was unwritable for a while reaches the store once it is not.
        if (!settings_ || settings_->status() != QSettings::NoError) {
            RemoveAbandonedLockFiles(FileName());
            settings_.reset();
            settings_ = Open();
            batchBytes_ = 0;
        }
        batchStarted_ = true;
    }
    // At most six characters per character in the file (an escaped one), plus
    // a section header and the line's punctuation. A batch refused for want of
    // room is still waiting to be written and counts on.
    batchBytes_ += 6 * (section.size() + ident.size() + text.size()) + 8;
    if (settings_) settings_->setValue(Key(section, ident), text);
}

void SettingsStore::Sync() {
    const bool wrote = batchStarted_;
    batchStarted_ = false;
    if (!settings_) {
        throw EStoreWriteError("the settings store is no file that could be written: " +
                               FileName().toStdString());
    }
    RemoveAbandonedLockFiles(FileName());
    RemoveLeftOverTemporaryFiles(FileName());
    const bool checkFile = wrote && StoredInFile(*settings_);
    if (checkFile && !HasRoomFor(FileName(), batchBytes_)) {
        throw EStoreWriteError("no room on the disk for the settings store: " +
                               FileName().toStdString());
    }
    settings_->sync();
    switch (settings_->status()) {
    case QSettings::NoError:
        if (checkFile && !WrittenInFull(FileName())) {
            throw EStoreWriteError("the settings store was written incompletely: " +
                                   FileName().toStdString());
        }
        batchBytes_ = 0;
        return;
    case QSettings::AccessError:
        throw EStoreWriteError("the settings store could not be written: " +
                               FileName().toStdString());
    case QSettings::FormatError:
        throw EStoreWriteError("the settings store was malformed, its new values unconfirmed: " +
                               FileName().toStdString());
    }
}
