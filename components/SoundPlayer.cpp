#include "components/SoundPlayer.h"

#include "components/SdlLibrary.h"
#include "components/SdlSession.h"
#include "components/SystemBeep.h"
#include "components/WaveCheck.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <pthread.h>

using namespace std::chrono;

namespace {

// All sounds share this one channel, which is what makes a new sound stop the
// one still playing.
constexpr int Channel = 0;

// 44100 Hz is a whole multiple of both rates that the game's clips use (11025
// and 22050 Hz), so they are converted without loss of timing.
constexpr int MixRate = 44100;
constexpr int MixChannels = 2;
// About 12 ms: a sound starts with the next buffer the mixer fills, so this
// bounds the time from a request to its first samples.
constexpr int MixBufferFrames = 512;

// A wait for a clip's end gives up this long after the clip should have ended,
// so that a stalled audio driver cannot hang the game.
constexpr milliseconds WaitMargin{500};
constexpr milliseconds PollPeriod{2};

// Only a WAVE image that passes the header check reaches the mixer (CheckWave
// says why), which also keeps its size within an int.
Mix_Chunk* Decode(const QByteArray& wave) {
    if (CheckWave(wave) != WaveFault::None) return nullptr;
    const QByteArray image = WithDataLengthInFile(wave);
    SDL_RWops* stream =
        SdlCalls().SDL_RWFromConstMem(image.constData(), static_cast<int>(image.size()));
    return stream ? SdlCalls().Mix_LoadWAV_RW(stream, 1) : nullptr;
}

// The whole file, or nothing when it is missing, is not a regular file (a
// pipe or a device could block or never end) or is too large to be a sound.
// The path is UTF-8 and goes through Qt, which opens it by its wide name on
// Windows: the C++ library there would read it in the ANSI code page and miss
// any file whose path that cannot spell (a Japanese folder on a Western system,
// or characters outside Shift-JIS on a Japanese one).
QByteArray ReadSoundFile(const std::string& path) {
    if (path.empty()) return {};
    const QString name = QString::fromStdString(path);
    if (!QFileInfo(name).isFile()) return {};
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly) || file.isSequential() || file.size() > MaxWaveFileBytes)
        return {};
    return file.read(file.size());
}

int BeepIndex(BeepKind kind) {
    switch (kind) {
    case BeepKind::Exclamation:
        return 1;
    case BeepKind::Information:
        return 2;
    default:
        return 0;
    }
}

constexpr SoundSource BeepSources[] = {SoundSource::DefaultBeep, SoundSource::ExclamationBeep,
                                       SoundSource::InformationBeep};

} // namespace

SoundPlayer::SoundPlayer(const SdlSession& session, milliseconds idleClose)
    : idleClose_(idleClose) {
    Open(session);
}

void SoundPlayer::Open(const SdlSession& session) {
    if (!session.HasAudio()) return;
    std::lock_guard lock(mutex_);
    if (closed_ || idleCloser_.joinable()) return;
    open_ = true;
    opening_ = true;
    idleCloser_ = std::thread([this] { OpenThenCloseWhenIdle(); });
#if defined(__linux__)
    pthread_setname_np(idleCloser_.native_handle(), "SoundIdleClose");
#endif
}

SoundPlayer::~SoundPlayer() {
    Close();
}

void SoundPlayer::Close() {
    {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return !opening_; });
        closed_ = true;
        if (!open_) {
            lock.unlock();
            // No device was found: the player's thread has ended, or is ending.
            if (idleCloser_.joinable()) idleCloser_.join();
            return;
        }
        open_ = false;
        changed_.notify_all();
    }
    // The idle closer may be closing the device right now; it ends once that is done.
    idleCloser_.join();
    std::lock_guard lock(mutex_);
    if (deviceOpen_) SdlCalls().Mix_HaltChannel(-1);
    FreeClips();
    if (deviceOpen_) SdlCalls().Mix_CloseAudio();
    deviceOpen_ = false;
}

void SoundPlayer::PlayMemory(const QByteArray& wave, bool waitForEnd) {
    std::unique_lock lock(mutex_);
    if (!ReadyToPlay(lock)) return;
    StopCurrent();
    if (!Start(ClipFor(wave), SoundSource::Memory, waitForEnd, lock))
        StartDefaultSound(waitForEnd, lock);
}

void SoundPlayer::PlayFile(const std::string& path, bool waitForEnd) {
    std::unique_lock lock(mutex_);
    if (!ReadyToPlay(lock)) return;
    StopCurrent();
    fileChunk_ = Decode(ReadSoundFile(path));
    if (!Start(fileChunk_, SoundSource::File, waitForEnd, lock))
        StartDefaultSound(waitForEnd, lock);
}

void SoundPlayer::Beep(BeepKind kind) {
    std::unique_lock lock(mutex_);
    const bool ready = ReadyToPlay(lock);
    if (ready) StopCurrent();
    // The desktop's own beep sounds with or without a sound device of ours.
    if (SystemMessageBeep(kind) || !ready) return;
    const int index = BeepIndex(kind);
    Start(beeps_[index], BeepSources[index], false, lock);
}

bool SoundPlayer::HasDevice() const {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return !opening_; });
    return open_;
}

bool SoundPlayer::IsPlaying() const {
    std::lock_guard lock(mutex_);
    return open_ && DeviceBusy();
}

SoundSource SoundPlayer::LastStarted() const {
    std::lock_guard lock(mutex_);
    return lastStarted_;
}

milliseconds SoundPlayer::LastLength() const {
    std::lock_guard lock(mutex_);
    return lastLength_;
}

bool SoundPlayer::OpenDevice() {
    if (SdlCalls().Mix_OpenAudio(MixRate, AUDIO_S16SYS, MixChannels, MixBufferFrames) != 0)
        return false;
    MixFormat format;
    if (SdlCalls().Mix_QuerySpec(&format.rate, &format.format, &format.channels) == 0) {
        SdlCalls().Mix_CloseAudio();
        return false;
    }
    SdlCalls().Mix_AllocateChannels(1);
    deviceOpen_ = true;
    // Clips are decoded for the device's format; should the device come back
    // in another one, they are decoded again.
    if (format != mixFormat_) {
        FreeClips();
        mixFormat_ = format;
        bytesPerSecond_ = format.rate * format.channels * (SDL_AUDIO_BITSIZE(format.format) / 8);
        for (BeepKind kind : {BeepKind::Default, BeepKind::Exclamation, BeepKind::Information})
            beeps_[BeepIndex(kind)] = Decode(BeepWave(kind));
    }
    return true;
}

bool SoundPlayer::ReadyToPlay(std::unique_lock<std::mutex>& lock) {
    changed_.wait(lock, [this] { return !opening_ && (!open_ || !deviceClosing_); });
    if (!open_) return false;
    if (deviceOpen_) return true;
    if (!OpenDevice()) return false; // the device has gone: silent, as without one
    changed_.notify_all();           // the idle closer starts watching again
    return true;
}

void SoundPlayer::FreeClips() {
    for (CachedClip& clip : clips_)
        if (clip.chunk) SdlCalls().Mix_FreeChunk(clip.chunk);
    clips_.clear();
    for (Mix_Chunk*& beep : beeps_) {
        if (beep) SdlCalls().Mix_FreeChunk(beep);
        beep = nullptr;
    }
    if (fileChunk_) SdlCalls().Mix_FreeChunk(fileChunk_);
    fileChunk_ = nullptr;
}

// Runs on the player's own thread. Pausing the device would not do: SDL's
// audio thread goes on waking for every buffer and fills it with silence.
// Closing it ends that thread; it is done here, never from the mixer's
// callbacks (which run on the audio thread and must not lock the device), and
// without the player's lock, since closing waits for the audio thread to end
// its current buffer.
void SoundPlayer::OpenThenCloseWhenIdle() {
    std::unique_lock lock(mutex_);
    // Without a device the player stays silent; the thread has no more to do.
    if (!OpenDevice()) open_ = false;
    quietFrom_ = steady_clock::now();
    opening_ = false;
    changed_.notify_all();
    while (open_) {
        if (!deviceOpen_) {
            changed_.wait(lock);
            continue;
        }
        const auto closeAt = quietFrom_ + idleClose_;
        if (steady_clock::now() < closeAt) {
            changed_.wait_until(lock, closeAt);
            continue;
        }
        if (SdlCalls().Mix_Playing(Channel) != 0) { // playing past its length: the driver lags
            quietFrom_ = steady_clock::now();
            continue;
        }
        deviceClosing_ = true;
        lock.unlock();
        SdlCalls().Mix_CloseAudio();
        lock.lock();
        deviceClosing_ = false;
        deviceOpen_ = false;
        changed_.notify_all();
    }
}

// The mixer's channels exist only while the device is open.
bool SoundPlayer::DeviceBusy() const {
    return deviceOpen_ && !deviceClosing_ && SdlCalls().Mix_Playing(Channel) != 0;
}

Mix_Chunk* SoundPlayer::ClipFor(const QByteArray& wave) {
    const auto cached = std::find_if(clips_.begin(), clips_.end(), [&](const CachedClip& clip) {
        return clip.wave.constData() == wave.constData() && clip.wave.size() == wave.size();
    });
    if (cached != clips_.end()) return cached->chunk;
    // A buffer that cannot be decoded is remembered too, so it is not tried again.
    clips_.push_back({wave, Decode(wave)});
    return clips_.back().chunk;
}

void SoundPlayer::StopCurrent() {
    SdlCalls().Mix_HaltChannel(Channel);
    if (fileChunk_) SdlCalls().Mix_FreeChunk(fileChunk_);
    fileChunk_ = nullptr;
}

bool SoundPlayer::Start(Mix_Chunk* chunk, SoundSource source, bool waitForEnd,
                        std::unique_lock<std::mutex>& lock) {
    if (!chunk || SdlCalls().Mix_PlayChannel(Channel, chunk, 0) < 0) return false;
    ++startCount_;
    lastStarted_ = source;
    lastLength_ = LengthOf(chunk);
    quietFrom_ = steady_clock::now() + lastLength_;
    changed_.notify_all();
    if (waitForEnd) WaitForEnd(lastLength_, lock);
    return true;
}

void SoundPlayer::StartDefaultSound(bool waitForEnd, std::unique_lock<std::mutex>& lock) {
    if (HasSystemDefaultSound()) {
        ++startCount_;
        lastStarted_ = SoundSource::DefaultBeep;
        changed_.notify_all();
        // The lock is released while the desktop plays, as while waiting for
        // a sound of ours.
        lock.unlock();
        PlaySystemDefaultSound(waitForEnd);
        lock.lock();
        return;
    }
    Start(beeps_[BeepIndex(BeepKind::Default)], SoundSource::DefaultBeep, waitForEnd, lock);
}

void SoundPlayer::WaitForEnd(milliseconds length, std::unique_lock<std::mutex>& lock) {
    const auto deadline = steady_clock::now() + length + WaitMargin;
    const std::uint64_t ownStart = startCount_;
    // The lock is released while waiting, so Close can run meanwhile; it ends
    // the wait, as does another sound that replaces this one.
    while (open_ && startCount_ == ownStart && DeviceBusy()) {
        const auto now = steady_clock::now();
        if (now >= deadline) break;
        changed_.wait_until(lock, std::min(deadline, now + PollPeriod));
    }
}

milliseconds SoundPlayer::LengthOf(const Mix_Chunk* chunk) const {
    if (bytesPerSecond_ <= 0) return milliseconds{0};
    return milliseconds{static_cast<std::int64_t>(chunk->alen) * 1000 / bytesPerSecond_};
}
