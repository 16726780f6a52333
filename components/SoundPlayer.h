#pragma once

#include "components/SoundPlayerBeeps.h"

#include <QByteArray>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class SdlSession;
struct Mix_Chunk;

// What the player last started on its channel.
enum class SoundSource { None, Memory, File, DefaultBeep, ExclamationBeep, InformationBeep };

// Plays WAVE clips on one channel: every sound started stops the one still
// playing, so a row sound cuts the landing sound short. A sound either plays on
// while the caller goes on, or the caller waits until it has ended (never longer
// than the clip's length and a margin). A clip that cannot be played gives the
// default sound instead: the desktop's own where it has one (Windows' default
// sound, of the user's scheme), otherwise a tone of ours. Without an audio
// device every call does nothing and returns at once, but for the desktop's
// own message beeps.
//
// The audio device is open only while sounds play: SDL's audio thread mixes
// silence for as long as the device is open, even when paused, so the player
// closes it once no sound has played for `idleClose` and opens it again when
// the next sound starts. It is first opened on the player's own thread, so that
// the program's start does not wait for the audio server. A player made over a
// session whose audio has not started yet stays silent (every call returns at
// once) until Open is called.
//
// Threads: construct it and call Close on the UI thread; in between, the play
// calls come from the engine thread, where a wait for a clip's end blocks that
// thread only. Every call takes the player's lock, so calls from other threads
// are safe as well, and Close may run while a play call is waiting: the wait then
// ends at once. The player's own thread closes the idle device. Destroy the
// player only once no call can still be running (after Close, when the engine
// thread has been joined). One player per process: the mixer is global.
class SoundPlayer {
public:
    static constexpr std::chrono::milliseconds DefaultIdleClose{1000};

    explicit SoundPlayer(const SdlSession& session,
                         std::chrono::milliseconds idleClose = DefaultIdleClose);
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    // Begins opening the device, if SDL's audio service has started since the
    // player was made and the player has neither begun nor been closed.
    void Open(const SdlSession& session);

    // A clip held in memory as a WAVE image, such as a built-in clip. Each
    // distinct buffer is decoded once and kept until Close; the player holds a
    // reference to it, so the buffer must not be changed in place afterwards.
    void PlayMemory(const QByteArray& wave, bool waitForEnd);
    // A sound file, loaded by name each time, so that a file replaced or removed
    // since the last time is noticed.
    void PlayFile(const std::string& path, bool waitForEnd);
    // A message sound; the caller goes on at once. Where the desktop has an
    // audible message sound of its own (Windows), that one sounds instead,
    // with or without an audio device of ours.
    void Beep(BeepKind kind);

    // Stops the sound, frees every clip and the audio device. Later calls do
    // nothing.
    void Close();

    bool HasDevice() const; // an audio device was found, whether open now or not
    bool IsPlaying() const;
    SoundSource LastStarted() const;
    // How long the sound last started plays, which bounds a wait for its end.
    std::chrono::milliseconds LastLength() const;

private:
    struct CachedClip {
        QByteArray wave;  // held so that its address cannot be reused by another buffer
        Mix_Chunk* chunk; // null when the buffer could not be decoded
    };
    struct MixFormat {
        int rate = 0;
        std::uint16_t format = 0;
        int channels = 0;
        bool operator==(const MixFormat&) const = default;
    };

    bool OpenDevice();
    bool ReadyToPlay(std::unique_lock<std::mutex>& lock);
    void FreeClips();
    void OpenThenCloseWhenIdle();
    bool DeviceBusy() const;
    Mix_Chunk* ClipFor(const QByteArray& wave);
    void StopCurrent();
    bool Start(Mix_Chunk* chunk, SoundSource source, bool waitForEnd,
               std::unique_lock<std::mutex>& lock);
    void StartDefaultSound(bool waitForEnd, std::unique_lock<std::mutex>& lock);
    void WaitForEnd(std::chrono::milliseconds length, std::unique_lock<std::mutex>& lock);
    std::chrono::milliseconds LengthOf(const Mix_Chunk* chunk) const;

    const std::chrono::milliseconds idleClose_;
    std::thread idleCloser_; // runs OpenThenCloseWhenIdle from construction to Close

    // Everything below belongs to whichever thread holds mutex_.
    mutable std::mutex mutex_;
    // Wakes waiting threads when a sound starts, the device closes or Close runs.
    mutable std::condition_variable changed_;
    bool closed_ = false;        // Close has run
    bool opening_ = false;       // the first opening of the device is under way
    bool open_ = false;          // a device was found and Close has not run
    bool deviceOpen_ = false;    // the mixer holds the device now
    bool deviceClosing_ = false; // the idle closer is closing it, without the lock
    std::chrono::steady_clock::time_point quietFrom_; // when the last sound should end
    MixFormat mixFormat_;                             // the clips below are decoded for this format
    int bytesPerSecond_ = 0;
    std::uint64_t startCount_ = 0; // tells a waiting call that another sound has replaced its own
    SoundSource lastStarted_ = SoundSource::None;
    std::chrono::milliseconds lastLength_{0};
    std::vector<CachedClip> clips_;
    Mix_Chunk* beeps_[3] = {};       // Default, Exclamation, Information
    Mix_Chunk* fileChunk_ = nullptr; // the file last started, freed when the next sound starts
};
