// The store file survives a program killed in the middle of saving: read back
// after each kill it holds one complete save, the last one or an older one,
// never a mix and never a truncated file, and the next program's saves go on at
// once whatever the killed one left behind.

#include "SaveGeneration.h"

#include "settings/SettingsIO.h"
#include "settings/SettingsStore.h"
#include "support/DescribeSettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <thread>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

// The save loop, running on its own with the user's store in `configHome`.
class SaveLoop {
public:
    SaveLoop(const QString& configHome, int firstGeneration) {
        int pipeFds[2];
        if (::pipe(pipeFds) != 0) throw std::runtime_error("pipe");
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, pipeFds[0]);

        std::vector<std::string> env;
        for (char** e = environ; *e; ++e) {
            if (std::string(*e).rfind("XDG_CONFIG_HOME=", 0) != 0) env.emplace_back(*e);
        }
        env.push_back("XDG_CONFIG_HOME=" + configHome.toStdString());
        std::vector<char*> envp;
        for (std::string& e : env)
            envp.push_back(e.data());
        envp.push_back(nullptr);
        std::string program = SAVE_LOOP;
        std::string first = std::to_string(firstGeneration);
        char* argv[] = {program.data(), first.data(), nullptr};

        const int error = posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv, envp.data());
        posix_spawn_file_actions_destroy(&actions);
        ::close(pipeFds[1]);
        out_ = pipeFds[0];
        if (error != 0) throw std::runtime_error("cannot start " + program);
    }

    ~SaveLoop() {
        Kill();
        ::close(out_);
    }

    // Waits until the loop has reported at least one save, or the time is up.
    bool WaitForFirstReport(std::chrono::milliseconds timeout) {
        const auto deadline = Clock::now() + timeout;
        while (text_.find('\n') == std::string::npos) {
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            if (left.count() <= 0) return false;
            pollfd p{out_, POLLIN, 0};
            if (::poll(&p, 1, static_cast<int>(left.count())) <= 0) return false;
            if (!ReadSome()) return false;
        }
        return true;
    }

    void Kill() {
        if (pid_ <= 0) return;
        ::kill(pid_, SIGKILL);
        int status = 0;
        ::waitpid(pid_, &status, 0);
        pid_ = 0;
        while (ReadSome()) {
        }
    }

    // Every complete report line, in order.
    std::vector<std::string> Reports() const {
        std::vector<std::string> lines;
        std::istringstream in(text_);
        for (std::string line; std::getline(in, line);) {
            if (!in.eof()) lines.push_back(line);
        }
        return lines;
    }

private:
    bool ReadSome() {
        char buffer[4096];
        const ssize_t n = ::read(out_, buffer, sizeof buffer);
        if (n <= 0) return false;
        text_.append(buffer, static_cast<size_t>(n));
        return true;
    }

    pid_t pid_ = 0;
    int out_ = -1;
    std::string text_;
};

// The store as the next start of the game reads it: the generation of its 28
// values and of its window position, or -1 for values that are not all of one
// save.
struct StoredGenerations {
    int settings = -1;
    int position = -1;
};

StoredGenerations ReadBack(const QString& storeFile, const QString& scratch) {
    // A copy under a name of its own, so that no settings object of this
    // process answers from what it read of an earlier file.
    static int copies = 0;
    const QString copy = scratch + "/copy" + QString::number(++copies) + ".conf";
    if (!QFile::copy(storeFile, copy)) return {};
    const SettingsStore store(copy);
    TGameSettings loaded;
    const WindowPosition position =
        LoadSettings(store, loaded, QRect(0, 0, 1024, 768), QSize(229, 448));
    QFile::remove(copy);

    StoredGenerations stored;
    if (Describe(loaded) == Describe(Generation(loaded.WellWidth)))
        stored.settings = loaded.WellWidth;
    if (position.Top == -position.Left) stored.position = position.Top;
    return stored;
}

TEST(KillSafeSaves, AKilledSaveLeavesTheOldFileOrTheNewOneAndTheNextSaveGoesOn) {
    constexpr int kills = 200;
    QTemporaryDir configHome;
    QTemporaryDir scratch;
    ASSERT_TRUE(configHome.isValid() && scratch.isValid());
    const QString folder = configHome.filePath("Kelvox");
    const QString storeFile = folder + "/Brimal.conf";

    // The old content before the first kill: generation 1.
    {
        QDir().mkpath(folder);
        SettingsStore store(storeFile);
        ASSERT_TRUE(SaveSettings(store, Generation(1)));
        ASSERT_TRUE(SaveWindowPosition(store, PositionOfGeneration(1)));
    }

    std::mt19937 random(12);
    StoredGenerations before{1, 1};
    std::map<std::string, int> outcomes;
    std::map<std::string, int> leftovers; // other files, by name
    int lockLeft = 0;
    int emptyLocksLeft = 0; // the kind the settings object waits 30 s for
    int mostTemporaryFiles = 0;
    long longestFirstSaveMs = 0;
    for (int kill = 0; kill < kills; ++kill) {
        SCOPED_TRACE("kill " + std::to_string(kill));
        const int first = 1000 * (kill + 2);
        const auto start = Clock::now();
        SaveLoop loop(configHome.path(), first);
        // Every other loop is killed at any moment from its start on, the
        // others only once they have saved, so that a save left hanging by
        // what an earlier kill left behind shows.
        if (kill % 2 == 0) {
            std::this_thread::sleep_for(std::chrono::microseconds(random() % 40000));
        } else {
            ASSERT_TRUE(loop.WaitForFirstReport(std::chrono::seconds(10)))
                << "the first save after a kill did not end within 10 s";
            longestFirstSaveMs = std::max<long>(
                longestFirstSaveMs,
                std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start)
                    .count());
            std::this_thread::sleep_for(std::chrono::microseconds(random() % 20000));
        }
        loop.Kill();

        // Every save the loop finished reported success, and the last ones it
        // finished are the newest the file may hold (one more may have reached
        // the disk just before the kill).
        int lastSettings = first - 1;
        int lastPosition = first - 1;
        for (const std::string& report : loop.Reports()) {
            char what = 0;
            int generation = 0;
            int saved = 0;
            ASSERT_EQ(std::sscanf(report.c_str(), "%c %d %d", &what, &generation, &saved), 3);
            ASSERT_EQ(saved, 1) << report;
            (what == 'S' ? lastSettings : lastPosition) = generation;
        }

        const StoredGenerations after = ReadBack(storeFile, scratch.path());
        ASSERT_NE(after.settings, -1) << "the 28 values are not of one save";
        ASSERT_NE(after.position, -1) << "the window position is not of one save";
        if (after.settings == before.settings) {
            ++outcomes[after.position == before.position ? "old file" : "new position only"];
        } else {
            ASSERT_GE(after.settings, first);
            ASSERT_LE(after.settings, lastSettings + 1);
            ++outcomes["new settings"];
        }
        if (after.position != before.position) {
            ASSERT_GE(after.position, first);
            ASSERT_LE(after.position, lastPosition + 1);
        }
        before = after;

        int temporaryFiles = 0;
        for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden)) {
            if (name == "Brimal.conf") continue;
            const bool lock = name == "Brimal.conf.lock" || name == "Brimal.conf.lock.rmlock";
            if (lock) {
                ++lockLeft;
                emptyLocksLeft += QFileInfo(folder + "/" + name).size() == 0;
            } else {
                ++temporaryFiles;
                ++leftovers[name.toStdString()];
            }
        }
        mostTemporaryFiles = std::max(mostTemporaryFiles, temporaryFiles);
    }

    // What a run saw, for the record.
    std::ostringstream summary;
    summary << kills << " kills:";
    for (const auto& [outcome, count] : outcomes)
        summary << ' ' << outcome << ' ' << count << ';';
    summary << " stale lock files seen after " << lockLeft << " (empty after " << emptyLocksLeft
            << ")"
            << "; longest start to first save " << longestFirstSaveMs << " ms";
    summary << "; temporary files left by " << leftovers.size() << " kills, at most "
            << mostTemporaryFiles << " at once";
    RecordProperty("summary", summary.str());
    std::printf("%s\n", summary.str().c_str());
    // Only a kill inside a save leaves its lock or temporary file beside the
    // store: without one, no kill interrupted a save and nothing was tested.
    EXPECT_GT(lockLeft + static_cast<int>(leftovers.size()), 0) << summary.str();

    // The next save clears what the killed ones left, but for a temporary
    // file whose random name could be one the user gave a copy.
    {
        SettingsStore store(storeFile);
        EXPECT_TRUE(SaveSettings(store, Generation(7)));
    }
    for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden)) {
        const QString suffix = name.mid(QString("Brimal.conf.").size());
        EXPECT_TRUE(name == "Brimal.conf" || suffix.toLower() == suffix ||
                    suffix.toUpper() == suffix)
            << name.toStdString();
    }
}

} // namespace
