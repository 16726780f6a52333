#include "settings/SettingsStore.h"

#include "PipeUnblocker.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <sys/stat.h>

#include <gtest/gtest.h>

namespace {

// The user's own store lives under the user's configuration folder. The folder
// is looked up once per process, so it is pointed at a temporary one before
// the first store of this process is opened.
TEST(NativeStore, LivesInTheUsersConfigurationFolderUnderTheOrganisation) {
    QTemporaryDir config;
    ASSERT_TRUE(config.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    const QString expected = QDir(config.path()).filePath("Kelvox/Brimal.conf");

    {
        SettingsStore store;
        EXPECT_EQ(store.FileName(), expected);
        store.WriteInteger("Setup", "Top", 17);
        store.Sync();
    }

    QFile file(expected);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "[Setup]\nTop=17\n");
    EXPECT_EQ(SettingsStore().ReadInteger("Setup", "Top", 0), 17);

    // A named pipe in the file's place is left alone, not waited on.
    ASSERT_TRUE(QFile::remove(expected));
    ASSERT_EQ(mkfifo(QFile::encodeName(expected).constData(), 0600), 0);
    const PipeUnblocker unblocker(expected, std::chrono::seconds(2));
    EXPECT_EQ(SettingsStore().ReadInteger("Setup", "Top", 0), 0);
    EXPECT_FALSE(unblocker.Unblocked());
}

} // namespace
