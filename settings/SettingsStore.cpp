#include "settings/SettingsStore.h"

#include "engine/Assert.h"
#include "settings/StoreFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStorageInfo>
#include <QVariant>

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

// Whether the settings object may open the file: not when it is there but is
// neither a regular file nor a folder. Opening a named pipe waits for a writer,
// for ever if none comes; and a store linked to a device (/dev/null, say) is
// written through the link, so that the saved file would take the device's
// place wherever the program has the rights to do so.
bool MayOpen(const QString& path) {
    const QFileInfo file(path);
    return path.isEmpty() || !file.exists() || file.isFile() || file.isDir();
}

// The settings object writes the new file in one call and ignores a failure
// of it: on a disk without room it renames an empty or cut-off file over the
// store and reports success, and every setting on disk is lost. So a batch is
// written only when the disk has room for the whole new file beside the old one
// and a lock file, and a file that still comes out empty or cut off (another
// program took the room meanwhile) is reported as a failure.
constexpr qint64 lockFileRoom = 8192;

// Whether the store is a text file: the native store is one on Linux, and
// the registry on Windows.
bool StoredInFile(const QSettings& settings) {
    return settings.format() == QSettings::IniFormat || !StoreFiles::NativeStoreFile().isEmpty();
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
    StoreFiles::RemoveAbandonedLockFiles(FileName());
}

std::unique_ptr<QSettings> SettingsStore::Open() const {
    if (!MayOpen(iniFilePath_.isEmpty() ? StoreFiles::NativeStoreFile() : iniFilePath_))
        return nullptr;
    auto settings = iniFilePath_.isEmpty()
                        ? std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                                      "Kelvox", "Brimal")
                        : std::make_unique<QSettings>(iniFilePath_, QSettings::IniFormat);
    // The store is this one key or file alone. By default a value missing here
    // would be read from the organisation's shared values and the machine-wide
    // ones (Software\Kelvox\OrganizationDefaults, HKEY_LOCAL_MACHINE,
    // /etc/xdg/Kelvox), where the game's defaults belong instead.
    settings->setFallbacksEnabled(false);
    return settings;
}

QString SettingsStore::FileName() const {
    if (settings_) return settings_->fileName();
    return iniFilePath_.isEmpty() ? StoreFiles::NativeStoreFile() : iniFilePath_;
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
            StoreFiles::RemoveAbandonedLockFiles(FileName());
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
    StoreFiles::RemoveAbandonedLockFiles(FileName());
    StoreFiles::RemoveLeftOverTemporaryFiles(FileName());
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
