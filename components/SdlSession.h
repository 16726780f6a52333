#pragma once

// Which of SDL's services to start: the program starts them all; a test leaves
// one out to stand for a machine where it does not start.
struct SdlServices {
    bool Joystick = true;
};

// SDL's joystick and audio services for the whole run, started without video.
// The two are started separately, so that a machine whose audio driver fails
// still has its joystick, and the other way round; a service that did not start
// reports false here, and the sound player and the joystick built on it then
// quietly do nothing.
//
// Threads: construct it on the UI thread before the sound player and the
// joystick, and destroy it there after them.
class SdlSession {
public:
    explicit SdlSession(SdlServices services = {});
    ~SdlSession();
    SdlSession(const SdlSession&) = delete;
    SdlSession& operator=(const SdlSession&) = delete;

    bool HasJoystick() const { return joystick_; }
    bool HasAudio() const { return audio_; }

private:
    bool joystick_ = false;
    bool audio_ = false;
};
