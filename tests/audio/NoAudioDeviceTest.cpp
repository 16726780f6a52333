#include "audio/AudioTestSupport.h"
#include "components/Joystick.h"
#include "components/SdlSession.h"
#include "components/SoundPlayer.h"

#include <QTest>
#include <cstdlib>
#include <gtest/gtest.h>

using namespace std::chrono;

namespace {

// A machine whose audio cannot start: SDL is told to use a driver that does not
// exist, before it starts.
class NoAudioDeviceTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { setenv("SDL_AUDIODRIVER", "brimal-no-such-driver", 1); }
};

TEST_F(NoAudioDeviceTest, EverySoundCallReturnsAtOnceAndPlaysNothing) {
    SdlSession session;
    EXPECT_FALSE(session.HasAudio());
    SoundPlayer player(session);
    EXPECT_FALSE(player.HasDevice());
    // Ten seconds: a call that waited for it would show against the limit.
    const QByteArray clip = ToneWave(22050, 10000);
    const milliseconds took = TimeOf([&] {
        player.PlayMemory(clip, true);
        player.PlayFile("/nonexistent/clip.wav", true);
        player.PlayFile("", false);
        player.Beep(BeepKind::Exclamation);
    });
    EXPECT_LT(took, milliseconds(5000));
    EXPECT_FALSE(player.IsPlaying());
    EXPECT_EQ(player.LastStarted(), SoundSource::None);
    player.Close();
}

TEST_F(NoAudioDeviceTest, TheJoystickStillWorks) {
    EnsureQtApplication();
    SdlSession session;
    ASSERT_TRUE(session.HasJoystick());
    VirtualJoystick stick;
    ASSERT_TRUE(stick.Attached());
    int reports = 0;
    Joystick joystick(session, [&](const JoystickReport&) { ++reports; });
    EXPECT_TRUE(QTest::qWaitFor([&] { return reports >= 3; }, 5000));
}

} // namespace
