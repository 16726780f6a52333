// libFuzzer target: the input bytes become the user's settings store file, and
// the program's start-up reads it as it does (LoadSettings, then the sound-file
// fallback). A game is then played with the loaded record on the fake host,
// through the engine's own limits: the well's size at ResetBoard, the row wait,
// the weighted choice of piece kinds and the keys as the input hook maps them.
// Every value the game uses must lie in its range; anything else aborts with a
// message, which libFuzzer reports as a crash.

#include "app/input/KeyTable.h"
#include "engine/Catalogue.h"
#include "engine/Engine.h"
#include "engine/KeyAction.h"
#include "settings/SettingsIO.h"
#include "settings/SettingsStore.h"
#include "settings/SoundFileFallback.h"
#include "support/DescribeSettings.h"
#include "support/FakeHost.h"

#include <QFileInfo>
#include <QSize>
#include <QString>
#include <QtGlobal>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unordered_set>

namespace {

#define FUZZ_CHECK(condition, ...)                                                                 \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "check failed: %s: ", #condition);                                \
            std::fprintf(stderr, __VA_ARGS__);                                                     \
            std::fputc('\n', stderr);                                                              \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

std::string configFolder; // a private $XDG_CONFIG_HOME
std::string storePath;    // $XDG_CONFIG_HOME/Kelvox/Brimal.conf
long storeWrites = 0;

// The settings object keeps a parsed file and reads it again only when its
// size or modification time has changed; two inputs of one size written within
// the same millisecond would otherwise read as one. Each write gets a time of
// its own.
void WriteStoreFile(const std::uint8_t* data, size_t size) {
    const int fd = ::open(storePath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    FUZZ_CHECK(fd >= 0, "cannot open %s", storePath.c_str());
    for (size_t done = 0; done < size;) {
        const ssize_t n = ::write(fd, data + done, size - done);
        FUZZ_CHECK(n > 0, "cannot write the store file");
        done += static_cast<size_t>(n);
    }
    ++storeWrites;
    const timespec times[2] = {{storeWrites, 0}, {storeWrites, 0}};
    FUZZ_CHECK(::futimens(fd, times) == 0, "cannot set the store file's time");
    ::close(fd);
}

// Rnd(n) for a draw at `ms` milliseconds since midnight.
int ExpectedRnd(std::uint32_t ms, int n) {
    const std::uint32_t seed = ms * 134775813u + 1u;
    return static_cast<int>((static_cast<std::uint64_t>(seed) * static_cast<std::uint32_t>(n)) >>
                            32) +
           1;
}

// The kind for draw r: the first k of 1 to 6 whose running sum of percentages
// reaches r, else 7; summed without overflow whatever the store held.
int ExpectedKind(int r, const std::array<int, 8>& ratios) {
    long long sum = 0;
    for (int kind = 1; kind <= 6; ++kind) {
        sum += ratios[kind];
        if (sum >= r) return kind;
    }
    return 7;
}

// The keys of the input hook's table, and which setting each yields (0 for a
// fixed code or none).
struct KeyUse {
    int virtualKey;
    int setting;
    int fixedYield;
};
const KeyUse keyUses[] = {
    {VirtualKey::Escape, 0, MinimiseAction},
    {VirtualKey::Space, 3, 0},
    {VirtualKey::Left, 0, kaMoveLeft},
    {VirtualKey::Up, 1, 0},
    {VirtualKey::Right, 0, kaMoveRight},
    {VirtualKey::Down, 2, 0},
    {VirtualKey::X, 4, 0},
    {VirtualKey::Z, 5, 0},
    {VirtualKey::Numpad0, 8, 0},
    {VirtualKey::Numpad2, 9, 0},
    {VirtualKey::Numpad4, 0, kaMoveLeft},
    {VirtualKey::Numpad5, 7, 0},
    {VirtualKey::Numpad6, 0, kaMoveRight},
    {VirtualKey::Numpad8, 6, 0},
    {65, 0, NoAction}, // A: not in the table
};

void CheckSoundNames(const TGameSettings& settings) {
    for (int n = 1; n <= 3; ++n) {
        const std::string& name = settings.SoundFiles[n];
        FUZZ_CHECK(name == StandardSound || QFileInfo(QString::fromStdString(name)).isFile(),
                   "sound %d names no file after the fallback: %s", n, name.c_str());
    }
}

// What the screen, the well and the falling piece may hold between two engine
// operations.
void CheckGame(const Engine& game, const FakeHost& host, const TGameSettings& settings) {
    const int width = settings.WellWidth;
    const int height = settings.WellHeight;
    FUZZ_CHECK(width >= MinWellWidth && width <= MaxWellSize && height >= MinWellHeight &&
                   height <= MaxWellSize,
               "well %d x %d", width, height);
    FUZZ_CHECK(game.TheWell.Width() == width && game.TheWell.Height() == height &&
                   host.Width == width && host.Height == height,
               "well %d x %d laid out as %d x %d", width, height, host.Width, host.Height);
    FUZZ_CHECK(game.NextKind >= 1 && game.NextKind <= KindCount, "next kind %d", game.NextKind);
    FUZZ_CHECK(game.NextShape >= 1 && game.NextShape <= ShapeCount, "next shape %d",
               game.NextShape);
    FUZZ_CHECK(game.PieceShape >= 1 && game.PieceShape <= ShapeCount, "shape %d", game.PieceShape);
    FUZZ_CHECK(game.PieceColor >= 1 && game.PieceColor <= 7, "colour %d", game.PieceColor);
    FUZZ_CHECK(host.Interval >= 1 && host.Interval <= 10000, "period %d", host.Interval);
    if (!game.IsIdle()) {
        for (const CellOffset& cell : ShapeTable[game.PieceShape]) {
            const int x = game.PieceX + cell.dx;
            const int y = game.PieceY + cell.dy;
            FUZZ_CHECK(x >= 0 && x < width && y >= -Well::HiddenRows && y < height,
                       "piece cell at %d,%d", x, y);
        }
    }
}

// Every wait the game asked for, and every sound it played, since the last look.
void CheckLog(FakeHost& host) {
    for (const std::string& entry : host.Log) {
        if (entry.rfind("wait ", 0) == 0) {
            const long ms = std::strtol(entry.c_str() + 5, nullptr, 10);
            FUZZ_CHECK(ms >= MinRowWait && ms <= MaxRowWait, "%s", entry.c_str());
        } else if (entry.rfind("clip ", 0) == 0) {
            FUZZ_CHECK(entry[5] >= '1' && entry[5] <= '3', "%s", entry.c_str());
        }
    }
    host.Log.clear();
}

void CheckWeightedChoice(Engine& game, FakeHost& host, const TGameSettings& settings) {
    for (int draw = 0; draw < 8; ++draw) {
        host.Now += 1 + 37 * static_cast<unsigned>(draw);
        const int r = ExpectedRnd(host.MillisecondsSinceMidnightUtc(), 100);
        FUZZ_CHECK(r >= 1 && r <= 100, "Rnd(100) gave %d", r);
        const int kind = game.PickKind();
        FUZZ_CHECK(kind == ExpectedKind(r, settings.Ratios), "PickKind %d for draw %d", kind, r);
        const int fresh = game.FreshKind();
        FUZZ_CHECK(fresh >= 1 && fresh <= KindCount, "fresh kind %d", fresh);
    }
    // The opening drop's sideways draw.
    const int n = settings.WellWidth - 2;
    const int moves = game.Rnd(n);
    FUZZ_CHECK(moves >= 1 && moves <= n, "Rnd(%d) gave %d", n, moves);
}

// Keys as the input hook maps them, dispatched as it does in active play, with
// a tick after each so that pieces land and rows go.
void PlayKeys(Engine& game, FakeHost& host, const TGameSettings& settings) {
    for (int step = 0; step < 45 && !game.IsIdle(); ++step) {
        const KeyUse& use = keyUses[step % std::size(keyUses)];
        const int code = KeyYield(use.virtualKey, settings.KeyActions);
        const int expected = use.setting != 0 ? settings.KeyActions[use.setting] : use.fixedYield;
        FUZZ_CHECK(code == expected, "key %d yields %d", use.virtualKey, code);
        if (code < 7 && game.IsPlaying() && host.Enabled) game.DoAction(code);
        CheckGame(game, host, settings);
        if (host.AdvanceToTick()) game.Timer1Timer();
        CheckGame(game, host, settings);
        CheckLog(host);
    }
}

std::uint64_t Hash(const std::string& text) {
    std::uint64_t h = 1469598103934665603ull;
    for (const char c : text)
        h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    return h;
}

// The game below depends on the loaded record alone (its clock starts from the
// record's hash), so a record already played needs no second game: most
// inputs load into a record seen before, and the game costs far more than the
// load.
bool PlayedBefore(std::uint64_t record) {
    static std::unordered_set<std::uint64_t> played;
    if (played.size() >= (1u << 20)) played.clear();
    return !played.insert(record).second;
}

// Folders of earlier runs that ended without cleaning up (a crash found, an
// interrupt): each is named after its process, and one whose process is gone
// goes.
void RemoveFoldersOfEndedRuns(const std::string& base) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(base, error)) {
        const std::string name = entry.path().filename().string();
        int pid = 0;
        if (std::sscanf(name.c_str(), "brimal-fuzz-%d-", &pid) != 1 || pid <= 0) continue;
        if (::kill(pid, 0) != 0 && errno == ESRCH) std::filesystem::remove_all(entry.path(), error);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // A private configuration folder, set before the first settings object of
    // the process, which looks the folder up only once.
    std::string base = std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "/tmp";
    if (::access("/dev/shm", W_OK) == 0) base = "/dev/shm";
    RemoveFoldersOfEndedRuns(base);
    configFolder = base + "/brimal-fuzz-" + std::to_string(::getpid()) + "-XXXXXX";
    FUZZ_CHECK(::mkdtemp(configFolder.data()) != nullptr, "cannot make %s", configFolder.c_str());
    ::setenv("XDG_CONFIG_HOME", configFolder.c_str(), 1);
    FUZZ_CHECK(::mkdir((configFolder + "/Kelvox").c_str(), 0700) == 0,
               "cannot make the store folder");
    storePath = configFolder + "/Kelvox/Brimal.conf";
    // Qt's warnings about names it cannot use as files would only slow the run.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    std::atexit([] {
        ::unlink(storePath.c_str());
        ::rmdir((configFolder + "/Kelvox").c_str());
        ::rmdir(configFolder.c_str());
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    WriteStoreFile(data, size);

    TGameSettings settings;
    {
        const SettingsStore store;
        LoadSettings(store, settings, QRect(0, 0, 1024, 768), QSize(229, 448));
    }
    ApplySoundFileFallback(settings);
    CheckSoundNames(settings);
    const std::uint64_t record = Hash(Describe(settings));
    if (PlayedBefore(record)) return 0;

    FakeHost host;
    host.SaveWaitScreens = false;
    host.Now = record % (24ull * 3600 * 1000);
    Engine game(host, settings, EngineTexts{"Brimal  ", "   GameOver!"});
    game.DrawFreshKind();
    game.ResetBoard();
    CheckGame(game, host, settings);
    CheckWeightedChoice(game, host, settings);

    game.GameGameClick(); // with the opening drop when the store asks for it
    CheckGame(game, host, settings);
    CheckLog(host);
    PlayKeys(game, host, settings);
    return 0;
}
