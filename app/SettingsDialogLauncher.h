#pragma once

#include "engine/GameSettings.h"

class QWidget;
class SettingsStore;

// Shows the settings dialog modally over `owner`; on OK the dialog has written
// the new values into `settings` and the store when this returns.
void RunSettingsDialog(QWidget* owner, TGameSettings& settings, SettingsStore& store);
