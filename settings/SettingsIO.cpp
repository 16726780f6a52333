#include "settings/SettingsIO.h"

#include "settings/SettingsStore.h"

#include <exception>
#include <optional>

namespace {

QString Numbered(const char* stem, int n) {
    return QLatin1String(stem) + QString::number(n);
}

// Idents of the three sound slots: one to three rows, four rows, a landing.
const char* const SoundIdents[] = {nullptr, "1-3", "4", "GND"};

} // namespace

WindowPosition LoadSettings(const SettingsStore& store, TGameSettings& settings, QRect screen,
                            const std::function<QSize()>& outerSize) {
    // C++ division truncates toward zero, as the centring rule wants when the
    // window is larger than the screen.
    // A value is stored and readable when no default shows through.
    const auto stored = [&store](const char* ident) -> std::optional<int> {
        const int value = store.ReadInteger("Setup", ident, 0);
        if (value != store.ReadInteger("Setup", ident, 1)) return std::nullopt;
        return value;
    };
    const std::optional<int> top = stored("Top");
    const std::optional<int> left = stored("Left");
    WindowPosition position;
    if (!top || !left) {
        const QSize window = outerSize();
        position.Top = screen.top() + (screen.height() - window.height()) / 2;
        position.Left = screen.left() + (screen.width() - window.width()) / 2;
    }
    position.Top = top.value_or(position.Top);
    position.Left = left.value_or(position.Left);

    const TGameSettings defaults;
    settings.WellWidth = store.ReadInteger("Setup", "SizeX", defaults.WellWidth);
    settings.WellHeight = store.ReadInteger("Setup", "SizeY", defaults.WellHeight);
    settings.RowWait = store.ReadInteger("Setup", "WTime", defaults.RowWait);

    settings.ShowNext = store.ReadBool("Game", "Next", defaults.ShowNext);
    settings.FixedColors = store.ReadBool("Game", "Color", defaults.FixedColors);
    settings.PreFill = store.ReadBool("Game", "Fall", defaults.PreFill);
    settings.PreFillPieces = store.ReadInteger("Game", "Level", defaults.PreFillPieces);

    for (int n = 1; n <= 9; ++n) {
        settings.KeyActions[n] =
            store.ReadInteger("Key", Numbered("Key", n), defaults.KeyActions[n]);
    }

    settings.SoundOn = store.ReadBool("Sound", "Enabeled", defaults.SoundOn);
    for (int n = 1; n <= 3; ++n) {
        settings.SoundFiles[n] =
            store
                .ReadString("Sound", SoundIdents[n], QString::fromStdString(defaults.SoundFiles[n]))
                .toStdString();
    }

    settings.RatioOn = store.ReadBool("Ratio", "Enabeled", defaults.RatioOn);
    for (int n = 1; n <= 7; ++n) {
        settings.Ratios[n] = store.ReadInteger("Ratio", Numbered("Block", n), defaults.Ratios[n]);
    }
    return position;
}

bool SaveSettings(SettingsStore& store, const TGameSettings& settings) {
    try {
        store.WriteBool("Ratio", "Enabeled", settings.RatioOn);
        for (int n = 1; n <= 7; ++n) {
            store.WriteInteger("Ratio", Numbered("Block", n), settings.Ratios[n]);
        }
        for (int n = 1; n <= 9; ++n) {
            store.WriteInteger("Key", Numbered("Key", n), settings.KeyActions[n]);
        }
        store.WriteInteger("Setup", "SizeX", settings.WellWidth);
        store.WriteInteger("Setup", "SizeY", settings.WellHeight);
        store.WriteInteger("Setup", "WTime", settings.RowWait);
        store.WriteBool("Game", "Next", settings.ShowNext);
        store.WriteBool("Game", "Color", settings.FixedColors);
        store.WriteBool("Game", "Fall", settings.PreFill);
        store.WriteInteger("Game", "Level", settings.PreFillPieces);
        store.WriteBool("Sound", "Enabeled", settings.SoundOn);
        for (int n = 1; n <= 3; ++n) {
            store.WriteString("Sound", SoundIdents[n],
                              QString::fromStdString(settings.SoundFiles[n]));
        }
        store.Sync();
        return true;
    } catch (const std::exception&) {
        // The settings dialog closes regardless and the new values stay in
        // effect for this run.
        return false;
    }
}

bool SaveWindowPosition(SettingsStore& store, WindowPosition position) {
    try {
        store.WriteInteger("Setup", "Top", position.Top);
        store.WriteInteger("Setup", "Left", position.Left);
        store.Sync();
        return true;
    } catch (const std::exception&) {
        // The program is closing; a lost position only means the window opens
        // where it did before.
        return false;
    }
}
