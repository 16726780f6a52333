#include "settings/SoundFileFallback.h"

#include "settings/SettingsIO.h"
#include "settings/SettingsStore.h"

#include "support/StoreFolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

TEST(SoundFileFallback, OnlyAnExistingFileKeepsItsSlot) {
    StoreFolder folder;
    const QString wav = folder.FilePath("row.wav");
    QFile(wav).open(QIODevice::WriteOnly);
    const QString subfolder = folder.FilePath("clips");
    QDir().mkpath(subfolder);
    QFile::link(wav, folder.FilePath("link.wav"));
    QFile::link(folder.FilePath("gone.wav"), folder.FilePath("dangling.wav"));

    struct Case {
        QString stored;
        QString expected;
    };
    const Case cases[] = {
        {wav, wav},
        {folder.FilePath("link.wav"), folder.FilePath("link.wav")},
        {folder.FilePath("gone.wav"), "Standard"},
        {folder.FilePath("dangling.wav"), "Standard"},
        {"", "Standard"},
        {subfolder, "Standard"},
        {"/dev/null", "Standard"}, // a device, not a clip
        {"Standard", "Standard"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored.toStdString());
        TGameSettings settings;
        for (int n = 1; n <= 3; ++n)
            settings.SoundFiles[n] = c.stored.toStdString();

        ApplySoundFileFallback(settings);

        for (int n = 1; n <= 3; ++n)
            EXPECT_EQ(settings.SoundFiles[n], c.expected.toStdString());
    }
}

TEST(SoundFileFallback, ADeletedFileFallsBackInMemoryWhileTheStoreKeepsItsName) {
    StoreFolder folder;
    const std::string kept = folder.FilePath("kept.wav").toStdString();
    const std::string deleted = folder.FilePath("deleted.wav").toStdString();
    QFile(QString::fromStdString(kept)).open(QIODevice::WriteOnly);
    {
        SettingsStore store(folder.Path());
        TGameSettings settings;
        settings.SoundFiles = {"", kept, deleted, ""};
        ASSERT_TRUE(SaveSettings(store, settings));
    }
    const QByteArray fileBefore = folder.ReadText();

    const SettingsStore store(folder.Path());
    TGameSettings settings;
    LoadSettings(store, settings, QRect(0, 0, 1024, 768), QSize(229, 448));
    EXPECT_EQ(settings.SoundFiles[3], "");
    ApplySoundFileFallback(settings);

    EXPECT_EQ(settings.SoundFiles[1], kept);
    EXPECT_EQ(settings.SoundFiles[2], "Standard");
    EXPECT_EQ(settings.SoundFiles[3], "Standard");
    EXPECT_EQ(store.ReadString("Sound", "4", "dflt").toStdString(), deleted);
    EXPECT_EQ(folder.ReadText(), fileBefore);
}

} // namespace
