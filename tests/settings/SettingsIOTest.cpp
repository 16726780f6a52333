#include "settings/SettingsIO.h"

#include "settings/SettingsStore.h"

#include "support/StoreFolder.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <random>

namespace {

const QRect screen(0, 0, 1024, 768);
const QSize window(229, 448);

// A record with no field at its default, to show that loading sets them all.
TGameSettings Scrambled() {
    TGameSettings settings;
    settings.WellWidth = settings.WellHeight = settings.RowWait = settings.PreFillPieces = -7;
    settings.ShowNext = settings.FixedColors = settings.SoundOn = false;
    settings.PreFill = settings.RatioOn = true;
    settings.KeyActions.fill(-7);
    settings.SoundFiles.fill("scrambled");
    settings.Ratios.fill(-7);
    return settings;
}

const char* const defaultSettings = "WellWidth 8\n"
                                    "WellHeight 25\n"
                                    "RowWait 200\n"
                                    "ShowNext 1\n"
                                    "FixedColors 1\n"
                                    "PreFill 0\n"
                                    "PreFillPieces 10\n"
                                    "KeyActions 2 0 1 3 2 2 2 1 0\n"
                                    "SoundOn 1\n"
                                    "SoundFiles[1] \"Standard\"\n"
                                    "SoundFiles[2] \"Standard\"\n"
                                    "SoundFiles[3] \"Standard\"\n"
                                    "RatioOn 0\n"
                                    "Ratios 15 15 14 14 14 14 14\n";

TEST(SettingsIO, FirstStartWithAnEmptyStoreGivesEveryDefaultAndACentredWindow) {
    StoreFolder folder;
    const SettingsStore store(folder.Path());
    TGameSettings settings = Scrambled();

    const WindowPosition position = LoadSettings(store, settings, screen, window);

    EXPECT_EQ(Describe(settings), defaultSettings);
    EXPECT_EQ(position.Top, 160);
    EXPECT_EQ(position.Left, 397); // 397.5 truncated
    EXPECT_FALSE(QFile::exists(folder.Path()));

    // A window larger than the screen: the halving truncates toward zero.
    const WindowPosition offScreen = LoadSettings(store, settings, QRect(0, 0, 200, 100), window);
    EXPECT_EQ(offScreen.Top, -174);
    EXPECT_EQ(offScreen.Left, -14); // -14.5, not -15

    // A primary screen that does not start at the origin (right of and below
    // another monitor): the window opens centred on it.
    const WindowPosition primary =
        LoadSettings(store, settings, QRect(1280, 200, 1024, 768), window);
    EXPECT_EQ(primary.Top, 360);
    EXPECT_EQ(primary.Left, 1677);
}

TEST(SettingsIO, TheOuterSizeIsAskedForOnlyWhenAPositionIsMissing) {
    for (const char* text :
         {"[Setup]\nTop=10\nLeft=20\n", "[Setup]\nTop=10\n", "[Setup]\nTop=10\nLeft=x\n"}) {
        SCOPED_TRACE(text);
        StoreFolder folder;
        folder.WriteText(text);
        TGameSettings settings;
        int asked = 0;
        const WindowPosition position =
            LoadSettings(SettingsStore(folder.Path()), settings, screen, [&] {
                ++asked;
                return window;
            });
        const bool both = QByteArray(text).contains("Left=20");
        EXPECT_EQ(asked, both ? 0 : 1);
        EXPECT_EQ(position.Top, 10);
        EXPECT_EQ(position.Left, both ? 20 : 397);
    }
}

TEST(SettingsIO, SaveSettingsWritesExactlyTheTwentyEightValuesAsText) {
    StoreFolder folder;
    SettingsStore store(folder.Path());
    TGameSettings settings;
    settings.RatioOn = true;
    settings.Ratios[3] = 0;
    settings.KeyActions[1] = -1;
    settings.RowWait = 1000;
    settings.SoundOn = false;
    settings.SoundFiles[2] = "/sounds/four.wav";

    EXPECT_TRUE(SaveSettings(store, settings));

    EXPECT_EQ(folder.Entries(), "Game/Color=1\n"
                                "Game/Fall=0\n"
                                "Game/Level=10\n"
                                "Game/Next=1\n"
                                "Key/Key1=-1\n"
                                "Key/Key2=0\n"
                                "Key/Key3=1\n"
                                "Key/Key4=3\n"
                                "Key/Key5=2\n"
                                "Key/Key6=2\n"
                                "Key/Key7=2\n"
                                "Key/Key8=1\n"
                                "Key/Key9=0\n"
                                "Ratio/Block1=15\n"
                                "Ratio/Block2=15\n"
                                "Ratio/Block3=0\n"
                                "Ratio/Block4=14\n"
                                "Ratio/Block5=14\n"
                                "Ratio/Block6=14\n"
                                "Ratio/Block7=14\n"
                                "Ratio/Enabeled=1\n"
                                "Setup/SizeX=8\n"
                                "Setup/SizeY=25\n"
                                "Setup/WTime=1000\n"
                                "Sound/1-3=Standard\n"
                                "Sound/4=/sounds/four.wav\n"
                                "Sound/Enabeled=0\n"
                                "Sound/GND=Standard\n");
}

TEST(SettingsIO, SaveThenLoadRoundTripsEveryValueAndThePosition) {
    // Sound names that the file format must escape or quote to keep intact.
    const std::array<std::string, 4> soundNames[] = {
        {"", "C:\\Sounds\\row,clear.wav",
         "/home/\xe3\x83\xa6\xe3\x83\xbc\xe3\x82\xb6/four rows.wav", "@start"},
        {"", " lead and trail ", "semi;colon#hash=equals\"quote'", "tab\tand\nnewline"},
        {"", "", "Standard", "percent%20and\\x41[Setup]"},
    };
    for (const auto& names : soundNames) {
        SCOPED_TRACE(names[1] + " | " + names[2] + " | " + names[3]);
        StoreFolder folder;
        TGameSettings saved;
        saved.WellWidth = 50;
        saved.WellHeight = 17;
        saved.RowWait = 0;
        saved.ShowNext = false;
        saved.FixedColors = false;
        saved.PreFill = true;
        saved.PreFillPieces = 100;
        saved.KeyActions = {0, 4, 3, 2, 1, 0, 4, -1, 7, 3};
        saved.SoundOn = false;
        saved.SoundFiles = names;
        saved.RatioOn = true;
        saved.Ratios = {0, 100, 0, 1, 2, 3, 4, -5};
        {
            SettingsStore store(folder.Path());
            ASSERT_TRUE(SaveSettings(store, saved));
            ASSERT_TRUE(SaveWindowPosition(store, {-20, 3000}));
        }

        const SettingsStore store(folder.Path());
        TGameSettings loaded = Scrambled();
        const WindowPosition position = LoadSettings(store, loaded, screen, window);

        EXPECT_EQ(Describe(loaded), Describe(saved));
        EXPECT_EQ(position.Top, -20);
        EXPECT_EQ(position.Left, 3000);
    }
}

TEST(SettingsIO, StoredValuesLoadUnclampedAndIndependently) {
    StoreFolder folder;
    folder.WriteText("[Setup]\nSizeX=4\nSizeY=1000\nWTime=-3\n"
                     "[Key]\nKey1=7\nKey2=-1\n"
                     "[Sound]\nEnabeled=0\n"
                     "[Ratio]\nEnabeled=1\nBlock1=90\n");
    const SettingsStore store(folder.Path());
    TGameSettings settings;
    LoadSettings(store, settings, screen, window);

    EXPECT_EQ(settings.WellWidth, 4);
    EXPECT_EQ(settings.WellHeight, 1000);
    EXPECT_EQ(settings.RowWait, -3);
    EXPECT_EQ(settings.KeyActions[1], 7);
    EXPECT_EQ(settings.KeyActions[2], -1);
    EXPECT_FALSE(settings.SoundOn);
    EXPECT_TRUE(settings.RatioOn);
    EXPECT_EQ(settings.Ratios[1], 90);
}

TEST(SettingsIO, AStoreFileOfRandomBytesGivesTheDefaults) {
    std::mt19937 random(20240601);
    for (int run = 0; run < 20; ++run) {
        SCOPED_TRACE(run);
        QByteArray bytes;
        for (int i = 0; i < 4096; ++i)
            bytes.append(static_cast<char>(random() & 0xff));
        StoreFolder folder;
        folder.WriteText(bytes);
        const SettingsStore store(folder.Path());
        TGameSettings settings = Scrambled();

        const WindowPosition position = LoadSettings(store, settings, screen, window);

        EXPECT_EQ(Describe(settings), defaultSettings);
        EXPECT_EQ(position.Top, 160);
        EXPECT_EQ(position.Left, 397);
    }
}

TEST(SettingsIO, HostileValuesGiveDefaultsOrAStoredValue) {
    StoreFolder folder;
    static const char hostile[] = "[Setup]\nSizeX=99999999999\nSizeY=-99999999999\nWTime=1e9\n"
                                  "Top=12\nTop=34\nLeft=\x01\x02\n"
                                  "[Game]\nNext=@Variant(broken\nLevel=\"\n"
                                  "[Key\nKey1=5\n"
                                  "[Key]\nKey2=   \nKey3=3,4\nKey4=3\nKey4=4\n"
                                  "[Sound]\n1-3=@ByteArray(\xff\xfe)\nGND=a\x00"
                                  "b\n";
    folder.WriteText(QByteArray(hostile, sizeof(hostile) - 1));
    const SettingsStore store(folder.Path());
    TGameSettings settings;
    const WindowPosition position = LoadSettings(store, settings, screen, window);

    EXPECT_EQ(settings.WellWidth, 8);
    EXPECT_EQ(settings.WellHeight, 25);
    EXPECT_EQ(settings.RowWait, 200);
    EXPECT_TRUE(position.Top == 12 || position.Top == 34) << position.Top;
    EXPECT_EQ(position.Left, 397);
    EXPECT_TRUE(settings.ShowNext);
    EXPECT_EQ(settings.PreFillPieces, 10);
    EXPECT_EQ(settings.KeyActions[2], 0);
    EXPECT_EQ(settings.KeyActions[3], 1);
    EXPECT_TRUE(settings.KeyActions[4] == 3 || settings.KeyActions[4] == 4);
    EXPECT_EQ(settings.SoundFiles[1], "Standard");
}

TEST(SettingsIO, FailedSavesAreSwallowedAndLeaveTheStoreAlone) {
    StoreFolder folder;
    const QString blocker = folder.FilePath("file.txt");
    {
        QFile file(blocker);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("not a folder");
    }
    SettingsStore store(blocker + "/Brimal.conf");
    TGameSettings settings;
    settings.WellWidth = 12;

    EXPECT_FALSE(SaveSettings(store, settings));
    EXPECT_FALSE(SaveWindowPosition(store, {1, 2}));

    EXPECT_EQ(settings.WellWidth, 12);
    QFile file(blocker);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "not a folder");
}

TEST(SettingsIO, SavingOverAMalformedFileRewritesIt) {
    StoreFolder folder;
    folder.WriteText("[Setup\nTop=3\ngarbage line\n\x01\x02\n[Game]\n=\n[Other]\nx\n");
    SettingsStore store(folder.Path());
    TGameSettings settings;
    LoadSettings(store, settings, screen, window);
    settings.WellWidth = 12;

    SaveSettings(store, settings); // may report the malformed file
    EXPECT_TRUE(SaveWindowPosition(store, {1, 2}));

    const SettingsStore reread(folder.Path());
    TGameSettings loaded;
    const WindowPosition position = LoadSettings(reread, loaded, screen, window);
    EXPECT_EQ(Describe(loaded), Describe(settings));
    EXPECT_EQ(position.Top, 1);
}

} // namespace
