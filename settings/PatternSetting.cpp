#include "settings/PatternSetting.h"

#include "settings/SettingsStore.h"

#include <exception>

bool LoadPatternSetting(const SettingsStore& store) {
    return store.ReadBool("Setup", "Patterns", false);
}

bool SavePatternSetting(SettingsStore& store, bool patterned) {
    try {
        store.WriteBool("Setup", "Patterns", patterned);
        store.Sync();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}
