#include "components/SoundPlayer.h"
#include "audio/AudioTestSupport.h"
#include "components/SdlSession.h"
#include "support/WaitFor.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>
#include <thread>

using namespace std::chrono;

namespace {

// Runs with SDL's dummy audio driver, which plays in real time without a sound
// card. A wait shorter than its clip is a fault at once; one that goes on too
// long is caught against a clip far longer than any limit, since a busy
// machine may be slow but is never fast.
constexpr milliseconds Limit{5000};

// Long enough that a wait for its end shows against Limit.
const QByteArray& LongClip() {
    static const QByteArray clip = ToneWave(22050, 10000);
    return clip;
}

class SoundPlayerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { setenv("SDL_AUDIODRIVER", "dummy", 1); }
    void SetUp() override { ASSERT_TRUE(player.HasDevice()) << "needs SDL_AUDIODRIVER=dummy"; }

    std::string WriteFile(const QString& name, const QByteArray& content) {
        QFile file(folder.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return file.fileName().toStdString();
    }

    QTemporaryDir folder;
    SdlSession session;
    SoundPlayer player{session};
};

TEST_F(SoundPlayerTest, WaitingForTheEndBlocksForTheClipsLength) {
    struct Case {
        const char* name;
        int sampleRate;
        int lengthMs;
        bool fromFile;
    } cases[] = {
        {"11025 Hz clip from memory", 11025, 1000, false},
        {"22050 Hz clip from memory", 22050, 600, false},
        {"22050 Hz clip from a file", 22050, 800, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QByteArray wave = ToneWave(c.sampleRate, c.lengthMs);
        const std::string path = WriteFile("clip.wav", wave);
        const milliseconds waited = TimeOf([&] {
            if (c.fromFile)
                player.PlayFile(path, true);
            else
                player.PlayMemory(wave, true);
        });
        EXPECT_GE(waited.count(), c.lengthMs * 7 / 10);
        EXPECT_LT(waited, milliseconds(c.lengthMs) + Limit);
        EXPECT_FALSE(player.IsPlaying());
        EXPECT_EQ(player.LastStarted(), c.fromFile ? SoundSource::File : SoundSource::Memory);
    }
}

TEST_F(SoundPlayerTest, PlayingWithoutWaitingReturnsWhileTheClipPlaysOn) {
    const std::string path = WriteFile("clip.wav", LongClip());
    for (bool fromFile : {false, true}) {
        SCOPED_TRACE(fromFile ? "file" : "memory");
        if (fromFile)
            player.PlayFile(path, false);
        else
            player.PlayMemory(LongClip(), false);
        // Had the call waited, the clip would have ended.
        EXPECT_TRUE(player.IsPlaying());
    }
}

TEST_F(SoundPlayerTest, ANewSoundStopsTheOneStillPlaying) {
    const QByteArray shortClip = ToneWave(11025, 100);
    player.PlayMemory(LongClip(), false);
    // Were the long clip still playing, the channel would stay busy for seconds.
    const milliseconds waited = TimeOf([&] { player.PlayMemory(shortClip, true); });
    EXPECT_LT(waited, Limit);
    EXPECT_FALSE(player.IsPlaying());
}

TEST_F(SoundPlayerTest, ASoundThatCannotBePlayedGivesTheDefaultSound) {
    const std::string textFile = WriteFile("notes.wav", "this is not a sound\n");
    const std::string truncated = WriteFile("cut.wav", ToneWave(22050, 500).left(30));
    struct Case {
        const char* name;
        std::string path;
    } cases[] = {
        {"missing file", folder.filePath("gone.wav").toStdString()},
        {"text file named .wav", textFile},
        {"truncated WAVE header", truncated},
        {"empty name", ""},
        {"a folder", folder.path().toStdString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        player.PlayFile(c.path, false);
        EXPECT_EQ(player.LastStarted(), SoundSource::DefaultBeep);
        EXPECT_TRUE(player.IsPlaying());
        // Waiting applies to the default sound in its place.
        player.PlayFile(c.path, true);
        EXPECT_EQ(player.LastStarted(), SoundSource::DefaultBeep);
        EXPECT_FALSE(player.IsPlaying());
    }
    player.PlayMemory(QByteArray("RIFF0000WAVEjunk"), false);
    EXPECT_EQ(player.LastStarted(), SoundSource::DefaultBeep);
    EXPECT_TRUE(player.IsPlaying());
}

TEST_F(SoundPlayerTest, MessageSoundsPlayTheirOwnClipWithoutWaiting) {
    const struct {
        BeepKind kind;
        SoundSource played;
    } cases[] = {
        {BeepKind::Default, SoundSource::DefaultBeep},
        {BeepKind::Exclamation, SoundSource::ExclamationBeep},
        {BeepKind::Information, SoundSource::InformationBeep},
        {static_cast<BeepKind>(16), SoundSource::DefaultBeep},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.kind));
        player.PlayMemory(LongClip(), false);
        player.Beep(c.kind);
        EXPECT_EQ(player.LastStarted(), c.played);
        EXPECT_TRUE(player.IsPlaying());
        // A message sound is short and replaces the long clip.
        EXPECT_TRUE(WaitFor([&] { return !player.IsPlaying(); }, Limit));
    }
}

TEST_F(SoundPlayerTest, ABufferFreedAndReplacedIsNotMistakenForTheOldOne) {
    // Two clips of the same byte size, a tenth and a half of a second long. The
    // second buffer is allocated right after the first is freed, so it is likely
    // to get the first one's address.
    const QByteArray secondContent = ToneWave(4410, 500);
    auto first = std::make_unique<QByteArray>(ToneWave(22050, 100));
    ASSERT_EQ(first->size(), secondContent.size());
    player.PlayMemory(*first, true);
    first.reset();
    const QByteArray second(secondContent.constData(), secondContent.size());
    const milliseconds waited = TimeOf([&] { player.PlayMemory(second, true); });
    EXPECT_GE(waited.count(), 350);
}

TEST_F(SoundPlayerTest, CloseEndsAWaitUnderWayAndSilencesLaterCalls) {
    milliseconds waited{};
    std::thread engine([&] { waited = TimeOf([&] { player.PlayMemory(LongClip(), true); }); });
    EXPECT_TRUE(WaitFor([&] { return player.IsPlaying(); }, Limit));
    player.Close();
    engine.join();
    EXPECT_LT(waited, Limit);
    EXPECT_FALSE(player.HasDevice());
    EXPECT_LT(TimeOf([&] { player.PlayMemory(LongClip(), true); }), Limit);
    player.Beep(BeepKind::Default);
    EXPECT_FALSE(player.IsPlaying());
}

// Its own player, whose device closes 50 ms after the last sound, so that
// sounds requested just before, while and after it closes come quickly.
TEST(SoundPlayerIdleTest, TheDeviceClosesWhenIdleAndTheNextSoundStillPlays) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    SdlSession session;
    SoundPlayer player(session, milliseconds(50));
    ASSERT_TRUE(player.HasDevice());
    const QByteArray clip = ToneWave(22050, 30);
    // Long enough to be still playing when looked at on a busy machine.
    const QByteArray longClip = ToneWave(22050, 300);

    player.PlayMemory(clip, true);
    // Nothing plays, so SDL's audio thread is gone and costs nothing.
    EXPECT_TRUE(WaitFor([] { return !AudioThreadRunning(); }, Limit));
    EXPECT_TRUE(player.HasDevice());
    EXPECT_FALSE(player.IsPlaying());

    for (int pause = 0; pause <= 120; pause += 6) {
        SCOPED_TRACE(testing::Message() << pause << " ms after the end");
        player.PlayMemory(clip, true);
        std::this_thread::sleep_for(milliseconds(pause));
        player.PlayMemory(longClip, false);
        EXPECT_EQ(player.LastStarted(), SoundSource::Memory);
        EXPECT_TRUE(player.IsPlaying());
        EXPECT_TRUE(WaitFor(AudioThreadRunning, Limit));
    }
    EXPECT_TRUE(WaitFor([] { return !AudioThreadRunning(); }, Limit));
    // Close on a closed device, and a sound after it, do nothing.
    player.Close();
    player.Beep(BeepKind::Default);
    EXPECT_FALSE(AudioThreadRunning());
}

} // namespace

// The program starts SDL only after its window's first paint. A sound asked
// for before then returns at once and plays nothing; once the player is opened
// over the started session, sounds play. A player closed before it was opened
// never takes the device.
TEST(SoundPlayerLateStartTest, ASoundBeforeSdlStartsIsSilentAndTheNextOnePlays) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    SdlSession session({}, SdlStart::Later);
    SoundPlayer player(session);
    const auto before = steady_clock::now();
    player.PlayMemory(LongClip(), true);
    player.Beep(BeepKind::Default);
    EXPECT_LT(steady_clock::now() - before, Limit);
    EXPECT_FALSE(player.HasDevice());
    EXPECT_EQ(player.LastStarted(), SoundSource::None);

    session.Start();
    player.Open(session);
    ASSERT_TRUE(player.HasDevice());
    player.PlayMemory(LongClip(), false);
    EXPECT_EQ(player.LastStarted(), SoundSource::Memory);
    EXPECT_TRUE(player.IsPlaying());
    player.Close();

    SdlSession lateSession({}, SdlStart::Later);
    SoundPlayer closedFirst(lateSession);
    closedFirst.Close();
    lateSession.Start();
    closedFirst.Open(lateSession);
    EXPECT_FALSE(closedFirst.HasDevice());
}
