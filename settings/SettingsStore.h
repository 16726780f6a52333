#pragma once

#include <QString>

#include <memory>
#include <stdexcept>

class QSettings;

// Writes to the settings store that could not be made durable.
class EStoreWriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The per-user settings store: named text values grouped in sections. Every
// value is held as text, whatever its logical type: integers as signed decimal,
// booleans as "1" or "0". Reads never fail; a value that is missing or cannot
// be read as the asked type gives the caller's default.
//
// Sync() throws EStoreWriteError when the writes since the last Sync could not
// all be stored. In a file (on Linux, and a store given a file path) the
// writes are buffered in memory and reach the disk together at Sync, which
// replaces the file atomically: a batch is all or nothing there. The registry
// (the user's own store on Windows) has no such replace: each value is set
// when it is written and Sync only reports a failure, so a failure part-way
// leaves the values that could be set new and the others old, each value
// whole. Section and ident names must not contain '/' or '\', which the
// underlying settings object treats as separators.
//
// A store file that is there but is neither a regular file nor a folder (a
// named pipe, a link to a device) is left alone, as opening it could block for
// ever and writing it could replace the device: reads give their defaults and
// Sync throws, until a later batch finds an ordinary file or none in its place.
//
// Used on the main thread only.
class SettingsStore {
public:
    // The user's own store: organisation "Kelvox", application "Brimal", in the
    // platform's native place ($XDG_CONFIG_HOME/Kelvox/Brimal.conf on Linux,
    // the registry key Software\Kelvox\Brimal on Windows).
    SettingsStore();
    // A store held in the given INI file.
    explicit SettingsStore(const QString& iniFilePath);
    ~SettingsStore();

    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    // Where the store lives: a file path, or a registry path on Windows.
    QString FileName() const;

    // The stored text; the default when the value does not exist. An existing
    // empty value reads as empty text.
    QString ReadString(const QString& section, const QString& ident,
                       const QString& defaultValue) const;
    // The stored text as a signed 32-bit integer: an optional '+' or '-'
    // followed by ASCII decimal digits and nothing else (no blanks, no hex).
    // The default when the value does not exist, is empty, does not have that
    // form or lies outside 32 bits.
    int ReadInteger(const QString& section, const QString& ident, int defaultValue) const;
    // ReadInteger with the default given as 1 or 0; true when the result is not
    // 0, so "2" and "-1" read as true and "yes" or "true" as the default.
    bool ReadBool(const QString& section, const QString& ident, bool defaultValue) const;

    void WriteString(const QString& section, const QString& ident, const QString& text);
    void WriteInteger(const QString& section, const QString& ident, int value);
    void WriteBool(const QString& section, const QString& ident, bool value);

    // Stores every value written since the last Sync, flushed to disk and, for
    // a file, replacing the old file atomically. Throws EStoreWriteError when the
    // store could not be written (an unwritable folder, a disk without room
    // for the new file, which is then left as it was), and also
    // when the file on disk turned out malformed: the batch is then normally
    // written over it, but the settings object reports only its first error,
    // so a write failure behind it could not be told apart.
    void Sync();

private:
    std::unique_ptr<QSettings> Open() const;
    QString Key(const QString& section, const QString& ident) const;
    void Write(const QString& section, const QString& ident, const QString& text);

    QString iniFilePath_;                 // empty for the native store
    std::unique_ptr<QSettings> settings_; // null while the store file is left alone
    bool batchStarted_ = false;           // a write has been made since the last Sync
    qint64 batchBytes_ = 0;               // the most the values not yet stored may add to the file
};
