// The store reads its own key or file alone: values planted where Qt's
// settings look by default when a value is missing (the organisation's shared
// values, the machine-wide ones) change nothing. A process of its own: on
// Linux the folders are looked up once per process, before the first store.
// On Windows it touches the user's registry, so it runs only where
// BRIMAL_TEST_REGISTRY is set (windows.sh sets it in a Wine prefix of its own).
#include "settings/SettingsIO.h"
#include "settings/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdlib>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

namespace {

// Where the default fallbacks of "Kelvox"/"Brimal" live on this platform.
struct PlantedFallbacks {
    std::vector<std::unique_ptr<QSettings>> places;
    std::unique_ptr<QTemporaryDir> folders;

    PlantedFallbacks() {
#ifdef _WIN32
        for (const char* key : {"HKEY_CURRENT_USER\\Software\\Kelvox\\OrganizationDefaults",
                                "HKEY_LOCAL_MACHINE\\Software\\Kelvox\\Brimal"})
            places.push_back(std::make_unique<QSettings>(key, QSettings::NativeFormat));
#else
        folders = std::make_unique<QTemporaryDir>();
        const QDir root(folders->path());
        // The machine-wide folder is /etc/xdg, Qt's own settings path.
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(root.filePath("home")));
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope,
                           root.filePath("system"));
        for (const char* file :
             {"home/Kelvox.conf", "system/Kelvox/Brimal.conf", "system/Kelvox.conf"})
            places.push_back(
                std::make_unique<QSettings>(root.filePath(file), QSettings::IniFormat));
#endif
        for (const auto& place : places) {
            place->setValue("Setup/SizeX", "20");
            place->setValue("Setup/Top", "5");
            place->sync();
        }
    }
    ~PlantedFallbacks() {
        for (const auto& place : places)
            place->clear();
    }
};

TEST(StoreFallbacks, ValuesOutsideTheStoresOwnKeyChangeNothing) {
#ifdef _WIN32
    if (!std::getenv("BRIMAL_TEST_REGISTRY"))
        GTEST_SKIP() << "touches the user's registry; set BRIMAL_TEST_REGISTRY to run";
#endif
    const PlantedFallbacks planted;
    // Qt's settings with their fallbacks on do find the planted values.
    QSettings withFallbacks(QSettings::NativeFormat, QSettings::UserScope, "Kelvox", "Brimal");
    withFallbacks.remove("Setup");
    ASSERT_EQ(withFallbacks.value("Setup/SizeX").toString(), "20");

    SettingsStore store;
    TGameSettings settings;
    const WindowPosition position =
        LoadSettings(store, settings, QRect(0, 0, 1024, 768), QSize(224, 448));
    EXPECT_EQ(settings.WellWidth, 8);
    EXPECT_EQ(position.Top, 160);
    EXPECT_EQ(position.Left, 400);

    // A value of the store's own is read as ever.
    store.WriteInteger("Setup", "SizeX", 12);
    store.Sync();
    EXPECT_EQ(SettingsStore().ReadInteger("Setup", "SizeX", 0), 12);
    withFallbacks.remove("Setup");
}

} // namespace
