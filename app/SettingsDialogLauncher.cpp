#include "app/SettingsDialogLauncher.h"

void RunSettingsDialog(QWidget*, TGameSettings&, SettingsStore&) {}
