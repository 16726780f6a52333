#include "audio/AudioTestSupport.h"
#include "audio/WaveMutations.h"
#include "components/SdlSession.h"
#include "components/SoundPlayer.h"
#include "components/WaveCheck.h"

#include <QTemporaryDir>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <iostream>

using namespace std::chrono;

namespace {

// A waiting play call may end this much later than its cap (the clip's length
// and the player's half-second margin) on a busy machine; the fault looked for
// is a wait as long as a lying header claims, minutes or hours.
constexpr milliseconds Slack{5000};
constexpr milliseconds WaitMargin{500};

class MutatedSoundTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { setenv("SDL_AUDIODRIVER", "dummy", 1); }
    void SetUp() override { ASSERT_TRUE(player.HasDevice()) << "needs SDL_AUDIODRIVER=dummy"; }

    std::string WriteScratch(const QByteArray& content) {
        QFile file(folder.filePath("sound.wav"));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return file.fileName().toStdString();
    }

    // Plays and waits; the wait must end within the cap of what it played.
    void PlayWaiting(const WaveMutation& m, bool fromFile) {
        SCOPED_TRACE(fromFile ? "file, waiting" : "memory, waiting");
        const std::string path = WriteScratch(m.bytes);
        const milliseconds waited = TimeOf([&] {
            if (fromFile)
                player.PlayFile(path, true);
            else
                player.PlayMemory(m.bytes, true);
        });
        EXPECT_LE(waited, player.LastLength() + WaitMargin + Slack);
    }

    QTemporaryDir folder;
    SdlSession session;
    SoundPlayer player{session};
};

// Every damaged copy of a clip goes through the real player, from a file and
// from memory: it plays or gives the default sound, never something else, and
// both ways agree. What it plays is never longer than a file of its size can
// honestly hold (4-bit samples at the lowest rate the player accepts), so that
// no header can make a waiting call hang; waits on a sample of the copies, and
// on the longest ones, end within their caps.
TEST_F(MutatedSoundTest, EveryDamagedClipPlaysOrGivesTheDefaultSoundWithinItsCap) {
    const QByteArray clip = ToneWave(11025, 50);
    const std::vector<WaveMutation> mutations = MutateWave(clip, 1000, 20261209);
    ASSERT_EQ(mutations.size(), 1000u);
    player.PlayFile("", false);
    const milliseconds beepLength = player.LastLength();

    int played = 0;
    std::vector<std::pair<milliseconds, std::size_t>> lengths;
    for (std::size_t i = 0; i < mutations.size(); ++i) {
        const WaveMutation& m = mutations[i];
        SCOPED_TRACE(testing::Message() << "#" << i << ": " << m.name);
        const milliseconds honest =
            std::max(beepLength, milliseconds(m.bytes.size() * 8 / 4 * 1000 / MinWaveRate));

        player.PlayFile(WriteScratch(m.bytes), false);
        const SoundSource fromFile = player.LastStarted();
        EXPECT_TRUE(fromFile == SoundSource::File || fromFile == SoundSource::DefaultBeep);
        EXPECT_LE(player.LastLength(), honest);

        player.PlayMemory(m.bytes, false);
        const SoundSource fromMemory = player.LastStarted();
        EXPECT_TRUE(fromMemory == SoundSource::Memory || fromMemory == SoundSource::DefaultBeep);
        EXPECT_EQ(fromFile == SoundSource::File, fromMemory == SoundSource::Memory);
        EXPECT_LE(player.LastLength(), honest);

        played += fromFile == SoundSource::File;
        lengths.push_back({player.LastLength(), i});
        if (i % 100 == 0) PlayWaiting(m, i % 200 == 0);
    }
    std::sort(lengths.rbegin(), lengths.rend());
    for (std::size_t k = 0; k < 2; ++k) {
        SCOPED_TRACE(testing::Message()
                     << "#" << lengths[k].second << ": " << mutations[lengths[k].second].name);
        PlayWaiting(mutations[lengths[k].second], k == 0);
    }
    std::cout << played << " of " << mutations.size() << " damaged clips played; the longest "
              << lengths[0].first.count() << " ms\n";
    // The damages are meant to hit both sides.
    EXPECT_GT(played, 50);
    EXPECT_LT(played, 500);
}

} // namespace
