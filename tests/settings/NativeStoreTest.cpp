#include "settings/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

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
}

} // namespace
