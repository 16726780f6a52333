#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <chrono>

#include "audio/AudioTestSupport.h"
#include "components/SoundPlayer.h"
#include "engine/Engine.h"
#include "engine/KeyAction.h"
#include "resources/Resources.h"
#include "support/FindControl.h"
#include "support/WindowTest.h"

using namespace std::chrono;

namespace {

// A WAVE file of a plain tone of the given length.
QByteArray Tone(int lengthMs) {
    return ToneWave(11025, lengthMs);
}

// The length of a RIFF WAVE image's sound in milliseconds.
int WaveLengthMs(const QByteArray& wave) {
    // The byte rate stands at offset 28 of the format block; the data chunk
    // follows it.
    const auto* bytes = reinterpret_cast<const uchar*>(wave.constData());
    const quint32 byteRate = qFromLittleEndian<quint32>(bytes + 28);
    const qsizetype data = wave.indexOf("data");
    if (byteRate == 0 || data < 0) return 0;
    const quint32 size = qFromLittleEndian<quint32>(bytes + data + 4);
    return static_cast<int>(static_cast<quint64>(size) * 1000 / byteRate);
}

// Writes `content` to a file of the test program's scratch folder; returns its path.
QString WriteScratchFile(const QString& name, const QByteArray& content) {
    static QTemporaryDir scratch;
    QFile file(scratch.filePath(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return {};
    file.write(content);
    return file.fileName();
}

// The sounds of landings, through the window's host and sound player, with
// SDL's dummy audio driver (which plays in real time). No wait after a row,
// so that the sounds alone make the landing last. The message beeps go
// through the window's own player too.
class WindowSoundTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        services.Desktop.MessageBeep = {};
    }
    void OpenAndStart(StoredSettings stored) {
        stored.push_back({"Setup/WTime", "0"});
        Open(stored);
        StartGame();
    }

    // Fills `rows` bottom rows of the 8-column well but for column 0, and
    // holds an upright bar over that gap: dropping it completes them. With
    // no rows it lands without completing any.
    void PrepareLanding(int rows) {
        std::vector<std::pair<int, int>> cells;
        for (int y = 24; y > 24 - rows; --y)
            for (int x = 1; x < 8; ++x)
                cells.push_back({x, y});
        FillCells(cells);
        PlacePiece(2, 0, 8);
    }

    // Drops the piece at once on the engine thread; how long the landing took.
    milliseconds Land() {
        milliseconds took{};
        window->Session().RunOnEngine([&](Engine& game) {
            const auto start = steady_clock::now();
            game.DoAction(kaDropAll);
            took = duration_cast<milliseconds>(steady_clock::now() - start);
        });
        return took;
    }

    SoundPlayer& Player() { return window->Session().Sound(); }
};

TEST_F(WindowSoundTest, ARowSoundKeepsTheLandingWaitingForTheWholeClip) {
    const struct {
        int rows;
        int slot;
    } cases[] = {{1, 1}, {4, 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.rows << " rows");
        OpenAndStart({});
        ASSERT_TRUE(Player().HasDevice());
        PrepareLanding(c.rows);
        const int clipMs = WaveLengthMs(Resources::SoundClip(c.slot));
        ASSERT_GT(clipMs, 0);
        // A lower bound only: the machine may be slow, never fast.
        EXPECT_GE(Land().count(), clipMs * 7 / 10);
        EXPECT_EQ(Player().LastStarted(), SoundSource::Memory);
        EXPECT_EQ(Piece().Kazu, "00001");
        window.reset();
    }
}

TEST_F(WindowSoundTest, TheLandingSoundPlaysOnWhileTheGameGoesOn) {
    OpenAndStart({{"Sound/GND", WriteScratchFile("long-landing.wav", Tone(3000))}});
    PrepareLanding(0);
    Land();
    // The landing has returned while its three-second sound still plays.
    EXPECT_TRUE(Player().IsPlaying());
    EXPECT_EQ(Player().LastStarted(), SoundSource::File);
}

TEST_F(WindowSoundTest, TheRowSoundCutsTheLandingSoundShort) {
    OpenAndStart({{"Sound/GND", WriteScratchFile("long-landing.wav", Tone(3000))},
                  {"Sound/1-3", WriteScratchFile("short-clear.wav", Tone(200))}});
    PrepareLanding(1);
    Land();
    // Had the landing sound gone on beside the row sound, it would still be
    // playing when the row sound has ended.
    EXPECT_FALSE(Player().IsPlaying());
    EXPECT_EQ(Player().LastStarted(), SoundSource::File);
}

TEST_F(WindowSoundTest, AFileThatCannotBePlayedGivesTheDefaultBeep) {
    const struct {
        const char* name;
        QString file;
        bool removeOnceStarted;
    } cases[] = {
        {"not a sound", WriteScratchFile("not-a-sound.wav", "RIFF, but nothing more"), false},
        {"removed since the start", WriteScratchFile("gone-later.wav", Tone(100)), true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        OpenAndStart({{"Sound/GND", c.file}});
        if (c.removeOnceStarted) {
            ASSERT_TRUE(QFile::remove(c.file));
        }
        PrepareLanding(0);
        Land();
        EXPECT_EQ(Player().LastStarted(), SoundSource::DefaultBeep);
        window.reset();
    }
}

TEST_F(WindowSoundTest, GameOverAndAboutBeepThroughThePlayerOnlyWithSoundsOn) {
    const struct {
        const char* sound;
        SoundSource gameOver;
        SoundSource about;
    } cases[] = {
        {"1", SoundSource::ExclamationBeep, SoundSource::InformationBeep},
        {"0", SoundSource::None, SoundSource::None},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "sounds on: " << c.sound);
        DialogCatcher closer;
        OpenAndStart({{"Sound/Enabeled", c.sound}});
        // A row completed, then the next piece finds its entry cell taken
        // (by a block that has sunk with the row's removal).
        PrepareLanding(1);
        FillCells({{3, -1}});
        Land();
        EXPECT_EQ(Player().LastStarted(), c.gameOver);
        // The message, then the high-score name entry for the row's point,
        // closed without a name.
        ASSERT_TRUE(QTest::qWaitFor([&] { return closer.Count() == 2; }, 5000));

        window->MemuSetupClick(Find<QAction>(*window, "MenuAbout"));
        ASSERT_TRUE(QTest::qWaitFor([&] { return closer.Count() == 3; }, 5000));
        EXPECT_EQ(Player().LastStarted(), c.about);
        window.reset();
    }
}

} // namespace
