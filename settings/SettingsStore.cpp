#include "settings/SettingsStore.h"

#include "engine/Assert.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
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

} // namespace

SettingsStore::SettingsStore() : settings_(Open()) {}

SettingsStore::SettingsStore(const QString& iniFilePath)
    : iniFilePath_(iniFilePath), settings_(Open()) {}

SettingsStore::~SettingsStore() = default;

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
            settings_.reset();
            settings_ = Open();
        }
        batchStarted_ = true;
    }
    if (settings_) settings_->setValue(Key(section, ident), text);
}

void SettingsStore::Sync() {
    batchStarted_ = false;
    if (!settings_) {
        throw EStoreWriteError("the settings store is no file that could be written: " +
                               FileName().toStdString());
    }
    settings_->sync();
    switch (settings_->status()) {
    case QSettings::NoError:
        return;
    case QSettings::AccessError:
        throw EStoreWriteError("the settings store could not be written: " +
                               FileName().toStdString());
    case QSettings::FormatError:
        throw EStoreWriteError("the settings store was malformed, its new values unconfirmed: " +
                               FileName().toStdString());
    }
}
