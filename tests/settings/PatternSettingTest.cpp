#include "settings/PatternSetting.h"

#include "settings/SettingsIO.h"
#include "settings/SettingsStore.h"

#include "support/StoreFolder.h"

#include <QFile>

#include <gtest/gtest.h>

TEST(PatternSetting, OffUnlessStoredAsANumberOtherThanZero) {
    const struct {
        const char* file;
        bool patterned;
    } cases[] = {
        {"", false},
        {"[Setup]\nPatterns=1\n", true},
        {"[Setup]\nPatterns=0\n", false},
        {"[Setup]\nPatterns=\n", false},
        {"[Setup]\nPatterns=yes\n", false},
        {"[Setup]\nPatterns=2\n", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        StoreFolder folder;
        folder.WriteText(c.file);
        EXPECT_EQ(LoadPatternSetting(SettingsStore(folder.Path())), c.patterned);
    }
}

TEST(PatternSetting, IsWrittenUnderItsOwnKeyAndOutlivesTheSettingsBeingSaved) {
    StoreFolder folder;
    {
        SettingsStore store(folder.Path());
        ASSERT_TRUE(SavePatternSetting(store, true));
        EXPECT_EQ(folder.Entries(), "Setup/Patterns=1\n");
        // The settings dialog's OK writes the whole record through the same
        // store.
        ASSERT_TRUE(SaveSettings(store, TGameSettings{}));
    }
    EXPECT_TRUE(LoadPatternSetting(SettingsStore(folder.Path())));

    SettingsStore store(folder.Path());
    ASSERT_TRUE(SavePatternSetting(store, false));
    EXPECT_FALSE(LoadPatternSetting(SettingsStore(folder.Path())));
}

TEST(PatternSetting, AFailedSaveIsSwallowed) {
    StoreFolder folder;
    const QString blocker = folder.FilePath("file.txt");
    QFile file(blocker);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a folder");
    file.close();
    SettingsStore store(blocker + "/Brimal.conf");
    EXPECT_FALSE(SavePatternSetting(store, true));
}
