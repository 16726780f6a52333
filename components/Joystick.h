#pragma once

#include "components/PadReport.h"

#include <QString>
#include <QTimer>
#include <SDL_gamecontroller.h>
#include <SDL_joystick.h>
#include <cstdint>
#include <functional>

class SdlSession;

// The stick counts as pushed left below JoyLeft, right above JoyRight, up
// below JoyUp and down above JoyDown: one third in from each end of the
// reported range, the middle third being the dead zone.
struct JoyThresholds {
    std::uint32_t JoyLeft = 0;
    std::uint32_t JoyRight = 0;
    std::uint32_t JoyUp = 0;
    std::uint32_t JoyDown = 0;
};

// In unsigned 32-bit arithmetic with truncating division, as the input
// handler's thresholds have always been computed.
JoyThresholds ComputeJoyThresholds(std::uint32_t xMin, std::uint32_t xMax, std::uint32_t yMin,
                                   std::uint32_t yMax);

// Joystick 1 is the first pad present (SDL device 0). A pad that SDL knows as
// a game controller, by its own database or by a mapping the user gave, is read
// through that mapping: the left stick and the D-pad, the south face button as
// button 1 and the east one as button 2, the other face buttons and the
// shoulders as further buttons, and Start. Any other joystick is read raw:
// axes 0 and 1, its first hat as a D-pad, and buttons 1 to 4. While one is held, its
// state is reported every 15 ms, whether or not anything changed. While there
// is none, SDL is asked for one twice a second, so that a pad plugged in later
// is taken up within a second and the program costs nothing meanwhile. A pad
// pulled out is closed at the next report it would have given, and the search
// begins again: reports stop, so no action outlives the pad, and the next pad
// plugged in (the same or another) reports in its place. The thresholds are
// those of the reported range, 0 to 65535, once a pad has been held; before
// that they are computed from an empty range (0 to 0) and are all 0. Without
// SDL's joystick service nothing is looked for and nothing is reported; a
// joystick made over a session not yet started begins when Open is called.
//
// Threads: lives on the UI thread; the handler is called there, from a timer
// of the UI thread's event loop. The handler may call Release, but must not
// destroy the joystick.
class Joystick {
public:
    using ReportHandler = std::function<void(const JoystickReport&)>;
    static constexpr int PollPeriodMs = 15;
    static constexpr int SearchPeriodMs = 500;

    // mappingFile, where given, is a file of game-controller mappings in SDL's
    // format, added to SDL's own when the search begins.
    Joystick(const SdlSession& session, ReportHandler onReport, QString mappingFile = {});
    ~Joystick();
    Joystick(const Joystick&) = delete;
    Joystick& operator=(const Joystick&) = delete;

    // Begins the search, if SDL's joystick service has started since the
    // joystick was made and it has not begun or been released yet.
    void Open(const SdlSession& session);

    bool IsCaptured() const { return device_ != nullptr; }
    const JoyThresholds& Thresholds() const { return thresholds_; }

    // Stops the reports and the search for good and closes the device; the
    // destructor does it too.
    void Release();

private:
    void Search();
    void Poll();
    void Close();

    SDL_Joystick* device_ = nullptr;
    SDL_GameController* controller_ = nullptr; // set when device_ is read through a mapping
    QString mappingFile_;
    bool released_ = false;
    JoyThresholds thresholds_;
    ReportHandler onReport_;
    QTimer timer_; // polls the pad held, or searches for one
};
