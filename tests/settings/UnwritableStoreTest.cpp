// A settings folder that cannot be written: read-only, or on a full disk. The
// store still loads, every save reports failure to its caller (which swallows
// it), the record keeps the new values, the file on disk stays as it was and
// nothing is left beside it; once the folder can be written again, saves
// succeed. Root ignores permission bits, so each case runs in a child process
// as the unprivileged user "nobody"; the full disk is a small tmpfs mounted in
// the child's own mount namespace.

#include "SaveGeneration.h"

#include "settings/SettingsIO.h"
#include "settings/SettingsStore.h"
#include "support/DescribeSettings.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <grp.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <string>

namespace {

constexpr uid_t nobody = 65534;

enum class Unwritable { ReadOnlyFolder, ReadOnlyFile, FullDisk };

// Runs `body` as nobody in a child process and returns what it returns, or
// "skip: <why>" when the child could not be set up.
std::string RunAsNobody(const std::function<std::string()>& prepare,
                        const std::function<std::string()>& body) {
    int fds[2];
    if (::pipe(fds) != 0) return "skip: no pipe";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(fds[0]);
        std::string result = prepare();
        if (result.empty()) {
            if (::geteuid() == 0 &&
                (::setgroups(0, nullptr) != 0 || ::setgid(nobody) != 0 || ::setuid(nobody) != 0)) {
                result = "skip: cannot become the user nobody";
            } else {
                result = body();
            }
        }
        const ssize_t written = ::write(fds[1], result.data(), result.size());
        ::_exit(written == static_cast<ssize_t>(result.size()) ? 0 : 1);
    }
    ::close(fds[1]);
    std::string result;
    char buffer[4096];
    for (ssize_t n; (n = ::read(fds[0], buffer, sizeof buffer)) > 0;)
        result.append(buffer, static_cast<size_t>(n));
    ::close(fds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return "child failed: " + result;
    return result;
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

// New values whose file takes a few pages of disk more than the lock file's one.
TGameSettings NewValues() {
    TGameSettings settings = Generation(30);
    for (int n = 1; n <= 3; ++n)
        settings.SoundFiles[n] = "/sounds/" + std::string(4000, 'a') + settings.SoundFiles[n];
    return settings;
}

// What the store does in a folder that cannot take a save, as text.
std::string SaveIntoUnwritable(const QString& folder, Unwritable how) {
    const QString storeFile = folder + "/Brimal.conf";
    const QByteArray before = FileBytes(storeFile);
    std::string out;

    SettingsStore store(storeFile);
    TGameSettings settings;
    const WindowPosition position =
        LoadSettings(store, settings, QRect(0, 0, 1024, 768), QSize(229, 448));
    out += "loads the stored values: " +
           std::to_string(Describe(settings) == Describe(Generation(20)) && position.Top == 20) +
           "\n";

    settings = NewValues(); // the dialog's OK sets the record, then saves
    out += "settings saved: " + std::to_string(SaveSettings(store, settings)) + "\n";
    out += "position saved: " + std::to_string(SaveWindowPosition(store, {30, -30})) + "\n";
    out += "settings saved again: " + std::to_string(SaveSettings(store, settings)) + "\n";
    out += "record keeps the new values: " +
           std::to_string(Describe(settings) == Describe(NewValues())) + "\n";
    out += "file unchanged: " + std::to_string(FileBytes(storeFile) == before) + "\n";
    out += "beside the file: " +
           QDir(folder).entryList(QDir::Files | QDir::Hidden).join(' ').toStdString() + "\n";

    // The folder takes saves again.
    if (how == Unwritable::ReadOnlyFolder) ::chmod(folder.toLocal8Bit().constData(), 0755);
    if (how == Unwritable::ReadOnlyFile) ::chmod(storeFile.toLocal8Bit().constData(), 0644);
    if (how == Unwritable::FullDisk) QFile::remove(folder + "/filler");
    out += "then saved: " + std::to_string(SaveSettings(store, settings)) + "\n";
    // Read from a copy: a settings object of this process on the store file
    // itself would answer from the values still waiting in `store`.
    TGameSettings reread;
    const QString copy = folder + "/copy.conf";
    QFile::copy(storeFile, copy);
    LoadSettings(SettingsStore(copy), reread, QRect(0, 0, 1024, 768), QSize(229, 448));
    QFile::remove(copy);
    out += "then stored: " + std::to_string(Describe(reread) == Describe(NewValues())) + "\n";
    return out;
}

const char* const expected = "loads the stored values: 1\n"
                             "settings saved: 0\n"
                             "position saved: 0\n"
                             "settings saved again: 0\n"
                             "record keeps the new values: 1\n"
                             "file unchanged: 1\n"
                             "beside the file: Brimal.conf\n"
                             "then saved: 1\n"
                             "then stored: 1\n";

// A store file of generation 20, owned by nobody when the test runs as root.
std::string WriteStoreAsNobody(const QString& folder) {
    {
        SettingsStore store(folder + "/Brimal.conf");
        if (!SaveSettings(store, Generation(20)) || !SaveWindowPosition(store, {20, -20}))
            return "skip: cannot write the store";
    }
    if (::geteuid() != 0) return ""; // the test runs as this user instead
    if (::chown(folder.toLocal8Bit().constData(), nobody, nobody) != 0 ||
        ::chown((folder + "/Brimal.conf").toLocal8Bit().constData(), nobody, nobody) != 0)
        return "skip: cannot hand the folder to nobody";
    return "";
}

// Whether a case's result says it could not be set up here; its reason is
// added to `skipped`, so that the test skips only after the other cases have
// had their turn.
bool Skipped(const std::string& result, std::string& skipped) {
    if (result.rfind("skip: ", 0) != 0) return false;
    skipped += result + "\n";
    return true;
}

// A temporary folder that the user nobody may enter, holding the store's
// folder "Kelvox".
struct StoreBase {
    StoreBase() {
        ::chmod(temporary.path().toLocal8Bit().constData(), 0755);
        QDir().mkpath(folder);
    }
    QTemporaryDir temporary;
    QString folder = temporary.filePath("Kelvox");
};

TEST(UnwritableStore, LoadsAndReportsEverySaveAsFailedThenSavesOnceWritable) {
    std::string skipped;
    for (const Unwritable how : {Unwritable::ReadOnlyFolder, Unwritable::ReadOnlyFile}) {
        SCOPED_TRACE(how == Unwritable::ReadOnlyFolder ? "read-only folder" : "read-only file");
        const StoreBase base;
        ASSERT_TRUE(base.temporary.isValid());
        const QString& folder = base.folder;

        const std::string result = RunAsNobody(
            [&] {
                std::string failure = WriteStoreAsNobody(folder);
                if (!failure.empty()) return failure;
                const QString path =
                    how == Unwritable::ReadOnlyFolder ? folder : folder + "/Brimal.conf";
                ::chmod(path.toLocal8Bit().constData(),
                        how == Unwritable::ReadOnlyFolder ? 0555 : 0444);
                return std::string();
            },
            [&] { return SaveIntoUnwritable(folder, how); });
        if (Skipped(result, skipped)) continue;
        EXPECT_EQ(result, expected);
    }
    if (!skipped.empty()) GTEST_SKIP() << skipped;
}

// With no room at all the lock file cannot be written; with one page of room
// it can, and then the new store file cannot be written in full.
TEST(UnwritableStore, AFullDiskFailsTheSaveWithoutDamagingTheFile) {
    std::string skipped;
    for (const off_t room : {0, 4096}) {
        SCOPED_TRACE("room left " + std::to_string(room));
        const StoreBase base;
        ASSERT_TRUE(base.temporary.isValid());
        const QString& folder = base.folder;

        const std::string result = RunAsNobody(
            [&]() -> std::string {
                if (::geteuid() != 0) return "skip: only root may mount the small disk";
                if (::unshare(CLONE_NEWNS) != 0 ||
                    ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
                    ::mount("tmpfs", folder.toLocal8Bit().constData(), "tmpfs", 0, "size=256k") !=
                        0)
                    return "skip: cannot mount a small tmpfs";
                std::string failure = WriteStoreAsNobody(folder);
                if (!failure.empty()) return failure;
                // Fill the disk to its last byte, then give back the room.
                const int fd = ::open((folder + "/filler").toLocal8Bit().constData(),
                                      O_WRONLY | O_CREAT, 0644);
                if (fd < 0 || ::fchown(fd, nobody, nobody) != 0) return "skip: no filler";
                const std::string block(4096, 'x');
                off_t size = 0;
                for (ssize_t n; (n = ::write(fd, block.data(), block.size())) > 0;)
                    size += n;
                if (::ftruncate(fd, size - room) != 0) return "skip: cannot make room";
                ::close(fd);
                return "";
            },
            [&] { return SaveIntoUnwritable(folder, Unwritable::FullDisk); });
        if (Skipped(result, skipped)) continue;
        // The filler lies beside the store file until the disk is freed.
        std::string withFiller = expected;
        withFiller.replace(withFiller.find("Brimal.conf\n"), 12, "Brimal.conf filler\n");
        EXPECT_EQ(result, withFiller);
    }
    if (!skipped.empty()) GTEST_SKIP() << skipped;
}

} // namespace
