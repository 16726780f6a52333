#include "settings/SettingsStore.h"

#include "PipeUnblocker.h"
#include "support/StoreFolder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <future>
#include <optional>
#include <thread>

namespace {

struct StoredValue {
    const char* line;             // the value's line in the file, or nullptr when absent
    const char* asString;         // ReadString with the default "dflt"
    std::optional<int> asInteger; // ReadInteger, or nothing for "the default"
};

// How hand-edited or foreign text reads back. Quoted values keep their blanks;
// QSettings trims blanks around unquoted ones.
const StoredValue storedValues[] = {
    {nullptr, "dflt", {}},
    {"v=", "", {}},
    {"v=7", "7", 7},
    {"v=0", "0", 0},
    {"v=-1", "-1", -1},
    {"v=2", "2", 2},
    {"v=+5", "+5", 5},
    {"v=007", "007", 7},
    {"v=yes", "yes", {}},
    {"v=true", "true", {}},
    {"v=\" 7\"", " 7", {}},
    {"v=\"7 \"", "7 ", {}},
    {"v=0x10", "0x10", {}},
    {"v=$10", "$10", {}},
    {"v=1e3", "1e3", {}},
    {"v=-", "-", {}},
    {"v=+", "+", {}},
    {"v=--1", "--1", {}},
    {"v=2147483647", "2147483647", INT_MAX},
    {"v=-2147483648", "-2147483648", INT_MIN},
    {"v=2147483648", "2147483648", {}},
    {"v=-2147483649", "-2147483649", {}},
    {"v=99999999999", "99999999999", {}},
    {"v=999999999999999999999999999999", "999999999999999999999999999999", {}},
    {"v=\xd9\xa1\xd9\xa2", "\xd9\xa1\xd9\xa2", {}},                 // Arabic-Indic digits
    {"v=\xef\xbc\x91\xef\xbc\x92", "\xef\xbc\x91\xef\xbc\x92", {}}, // full-width digits
    {"v=a,b", "a,b", {}},                                           // read back as a list
    {"v=1,2", "1,2", {}},
    {"v=\"a,b\"", "a,b", {}},
    {"v=@@x", "@x", {}},
    {"v=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)", "dflt", {}}, // a typed integer is not text
    {"v=@ByteArray(7)", "dflt", {}},
    {"v=@Invalid()", "dflt", {}},
};

TEST(SettingsStore, ReadsHandEditedTextByTheStoreRules) {
    for (const StoredValue& stored : storedValues) {
        SCOPED_TRACE(stored.line ? stored.line : "(absent)");
        StoreFolder folder;
        folder.WriteText(QByteArray("[S]\n") + (stored.line ? stored.line : "") + "\n");
        const SettingsStore store(folder.Path());

        EXPECT_EQ(store.ReadString("S", "v", "dflt"), QString::fromUtf8(stored.asString));
        EXPECT_EQ(store.ReadInteger("S", "v", 42), stored.asInteger.value_or(42));
        EXPECT_EQ(store.ReadInteger("S", "v", -9), stored.asInteger.value_or(-9));
        EXPECT_EQ(store.ReadBool("S", "v", false), stored.asInteger.value_or(0) != 0);
        EXPECT_EQ(store.ReadBool("S", "v", true), stored.asInteger.value_or(1) != 0);
    }
}

TEST(SettingsStore, NothingReachesTheFileBeforeSync) {
    StoreFolder folder;
    SettingsStore store(folder.Path());
    store.WriteInteger("Setup", "Top", 5);
    EXPECT_FALSE(QFile::exists(folder.Path()));
    store.Sync();
    EXPECT_EQ(folder.Entries(), "Setup/Top=5\n");
}

// A folder inside a plain file cannot be created, even by root, which ignores
// permission bits.
TEST(SettingsStore, ABatchAfterAFailedOneIsJudgedOnItsOwn) {
    StoreFolder folder;
    const QString blocker = folder.FilePath("file.txt");
    QFile(blocker).open(QIODevice::WriteOnly);
    SettingsStore store(blocker + "/Brimal.conf");
    store.WriteInteger("Setup", "Top", 5);
    EXPECT_THROW(store.Sync(), EStoreWriteError);

    QFile::remove(blocker);
    QDir().mkpath(blocker);
    store.WriteInteger("Setup", "Left", 6);
    EXPECT_NO_THROW(store.Sync());
    EXPECT_EQ(SettingsStore(blocker + "/Brimal.conf").ReadInteger("Setup", "Left", 0), 6);
}

// A malformed file may make the first batch report an error, since the
// settings object cannot then vouch for the write; the batch is written over it
// all the same, and the batches after it succeed.
TEST(SettingsStore, AMalformedFileIsRewrittenByTheFirstBatch) {
    StoreFolder folder;
    folder.WriteText("[Setup\nTop=3\n[Game]\nnot a value\n\x01\x02\xff=\n[Key]\nKey1=4\n");
    SettingsStore store(folder.Path());
    EXPECT_EQ(store.ReadInteger("Key", "Key1", 0), 4);

    store.WriteInteger("Setup", "Left", 6);
    try {
        store.Sync();
    } catch (const EStoreWriteError&) {
    }
    store.WriteInteger("Setup", "Top", 7);
    EXPECT_NO_THROW(store.Sync());

    const SettingsStore reread(folder.Path());
    EXPECT_EQ(reread.ReadInteger("Setup", "Left", 0), 6);
    EXPECT_EQ(reread.ReadInteger("Setup", "Top", 0), 7);
    EXPECT_EQ(reread.ReadInteger("Key", "Key1", 0), 4);
}

// A named pipe where the store file should be is left alone: opening it would
// keep the program waiting for a writer for ever, and a write would replace it.
// (A link to a device is left alone by the same rule; it is not tried here, as
// the store that this test guards against would replace the device itself.)
TEST(SettingsStore, AStoreFileThatIsNeitherAFileNorAFolderIsLeftAlone) {
    StoreFolder folder;
    ASSERT_EQ(mkfifo(QFile::encodeName(folder.Path()).constData(), 0600), 0);
    const PipeUnblocker unblocker(folder.Path(), std::chrono::seconds(2));
    SettingsStore store(folder.Path());
    EXPECT_EQ(store.ReadInteger("Setup", "Top", 7), 7);
    store.WriteInteger("Setup", "Top", 5);
    EXPECT_THROW(store.Sync(), EStoreWriteError);
    EXPECT_FALSE(unblocker.Unblocked());
    EXPECT_FALSE(QFileInfo(folder.Path()).isFile());
}

// What a writer of the store killed at the wrong moment leaves beside the
// file: an empty lock file (killed between creating and filling it), which the
// settings object would take for a live writer's for 30 s, and its temporary
// file. The next save goes on at once and clears both; a file that merely
// looks alike stays, and so does a lock file that a live writer holds.
TEST(SettingsStore, ASaveClearsWhatAKilledWriterLeftAndDoesNotWaitForIt) {
    StoreFolder folder;
    folder.WriteText("[Setup]\nTop=1\n");
    const QString leftOvers[] = {"Brimal.conf.lock", "Brimal.conf.lock.rmlock",
                                 "Brimal.conf.Ab3xYz"};
    const QString kept[] = {"Brimal.conf.backup", "Brimal.conf.BACKUP", "Brimal.conf.201205",
                            "Brimal.conf.Ab3xY", "Other.conf.Ab3xYz"};
    for (const QString& name : leftOvers)
        QFile(folder.FilePath(name)).open(QIODevice::WriteOnly);
    for (const QString& name : kept)
        QFile(folder.FilePath(name)).open(QIODevice::WriteOnly);

    SettingsStore store(folder.Path());
    store.WriteInteger("Setup", "Top", 2);
    QElapsedTimer saving;
    saving.start();
    EXPECT_NO_THROW(store.Sync());
    EXPECT_LT(saving.elapsed(), 5000);

    EXPECT_EQ(folder.Entries(), "Setup/Top=2\n");
    for (const QString& name : leftOvers)
        EXPECT_FALSE(QFile::exists(folder.FilePath(name))) << name.toStdString();
    for (const QString& name : kept)
        EXPECT_TRUE(QFile::exists(folder.FilePath(name))) << name.toStdString();

    // A lock held by a live writer (this process, through another open file)
    // is not taken away: the save waits for it and goes on once it is gone.
    QLockFile live(folder.Path() + ".lock");
    ASSERT_TRUE(live.tryLock(0));
    store.WriteInteger("Setup", "Top", 3);
    // Timed from before the unlock's 300 ms begin: the save can end no sooner.
    saving.restart();
    auto release = std::async(std::launch::async, [&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        live.unlock();
    });
    EXPECT_NO_THROW(store.Sync());
    EXPECT_GE(saving.elapsed(), 250);
    EXPECT_EQ(folder.Entries(), "Setup/Top=3\n");
}

} // namespace
