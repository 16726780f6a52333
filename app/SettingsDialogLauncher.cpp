#include "app/SettingsDialogLauncher.h"

#include "settings/Brimalf3.h"

void RunSettingsDialog(QWidget* owner, TGameSettings& settings, SettingsStore& store) {
    // The dialog frees itself when it closes; exec returns only after that.
    auto* setform = new TSetform(owner, settings, store);
    setform->exec();
}
