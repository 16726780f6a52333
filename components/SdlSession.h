#pragma once

// Which of SDL's services to start: the program starts them all; a test leaves
// one out to stand for a machine where it does not start.
struct SdlServices {
    bool Joystick = true;
};

// When SDL's services start: at once, or when Start is called.
enum class SdlStart { Now, Later };

// SDL's joystick and audio services for the whole run, started without video.
// The two are started separately, so that a machine whose audio driver fails
// still has its joystick, and the other way round; a service that did not start
// reports false here, and the sound player and the joystick built on it then
// quietly do nothing.
//
// The program starts them later, once its window has first been painted:
// starting SDL takes a few milliseconds that the first picture need not wait
// for. Until then HasJoystick and HasAudio report false.
//
// Threads: construct and start it on the UI thread before the sound player and
// the joystick are opened over it, and destroy it there after them.
class SdlSession {
public:
    explicit SdlSession(SdlServices services = {}, SdlStart when = SdlStart::Now);
    ~SdlSession();
    SdlSession(const SdlSession&) = delete;
    SdlSession& operator=(const SdlSession&) = delete;

    // Starts the services; later calls do nothing.
    void Start();
    bool Started() const { return started_; }
    bool HasJoystick() const { return joystick_; }
    bool HasAudio() const { return audio_; }

private:
    SdlServices services_;
    bool started_ = false;
    bool joystick_ = false;
    bool audio_ = false;
};
