#include "components/Joystick.h"

#include "components/ControllerMappings.h"
#include "components/SdlLibrary.h"
#include "components/SdlSession.h"

#include <algorithm>
#include <utility>

namespace {

// The reported range of both axes.
constexpr std::uint32_t AxisMin = 0;
constexpr std::uint32_t AxisMax = 65535;

// A raw joystick reports as many buttons as the input handler's button word
// always had.
constexpr int RawButtons = 4;

// A missing axis reads as centred, a missing button as released, a missing hat
// as centred.
std::int16_t RawAxis(SDL_Joystick* device, int axis) {
    if (axis >= SdlCalls().SDL_JoystickNumAxes(device)) return 0;
    return SdlCalls().SDL_JoystickGetAxis(device, axis);
}

PadState ReadRaw(SDL_Joystick* device) {
    PadState pad;
    pad.StickX = RawAxis(device, 0);
    pad.StickY = RawAxis(device, 1);
    if (SdlCalls().SDL_JoystickNumHats(device) > 0)
        pad.DPad = SdlCalls().SDL_JoystickGetHat(device, 0);
    const int buttons = std::min(SdlCalls().SDL_JoystickNumButtons(device), RawButtons);
    for (int button = 0; button < buttons; ++button)
        if (SdlCalls().SDL_JoystickGetButton(device, button)) pad.Buttons |= 1u << button;
    return pad;
}

// The report's buttons in the order of their bits: south turns left, east
// turns right, and the rest only count as held.
constexpr SDL_GameControllerButton ReportedButtons[] = {SDL_CONTROLLER_BUTTON_A,
                                                        SDL_CONTROLLER_BUTTON_B,
                                                        SDL_CONTROLLER_BUTTON_X,
                                                        SDL_CONTROLLER_BUTTON_Y,
                                                        SDL_CONTROLLER_BUTTON_LEFTSHOULDER,
                                                        SDL_CONTROLLER_BUTTON_RIGHTSHOULDER};

constexpr struct {
    SDL_GameControllerButton Button;
    std::uint8_t Direction;
} DPadButtons[] = {{SDL_CONTROLLER_BUTTON_DPAD_UP, DPadBits::Up},
                   {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, DPadBits::Right},
                   {SDL_CONTROLLER_BUTTON_DPAD_DOWN, DPadBits::Down},
                   {SDL_CONTROLLER_BUTTON_DPAD_LEFT, DPadBits::Left}};

PadState ReadController(SDL_GameController* controller) {
    const auto held = [controller](SDL_GameControllerButton button) {
        return SdlCalls().SDL_GameControllerGetButton(controller, button) != 0;
    };
    PadState pad;
    pad.StickX = SdlCalls().SDL_GameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_LEFTX);
    pad.StickY = SdlCalls().SDL_GameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_LEFTY);
    for (const auto& d : DPadButtons)
        if (held(d.Button)) pad.DPad |= d.Direction;
    for (std::size_t bit = 0; bit < std::size(ReportedButtons); ++bit)
        if (held(ReportedButtons[bit])) pad.Buttons |= 1u << bit;
    pad.Start = held(SDL_CONTROLLER_BUTTON_START);
    return pad;
}

} // namespace

JoyThresholds ComputeJoyThresholds(std::uint32_t xMin, std::uint32_t xMax, std::uint32_t yMin,
                                   std::uint32_t yMax) {
    return {xMin + (xMax - xMin) / 3, xMax - (xMax - xMin) / 3, yMin + (yMax - yMin) / 3,
            yMax - (yMax - yMin) / 3};
}

Joystick::Joystick(const SdlSession& session, ReportHandler onReport, QString mappingFile)
    : mappingFile_(std::move(mappingFile)), thresholds_(ComputeJoyThresholds(0, 0, 0, 0)),
      onReport_(std::move(onReport)) {
    QObject::connect(&timer_, &QTimer::timeout, [this] { device_ ? Poll() : Search(); });
    Open(session);
}

void Joystick::Open(const SdlSession& session) {
    if (released_ || timer_.isActive() || !session.HasJoystick()) return;
    // The state is read by polling; queued joystick and controller events,
    // the device arrivals and removals among them, would only pile up.
    SdlCalls().SDL_JoystickEventState(SDL_IGNORE);
    SdlCalls().SDL_GameControllerEventState(SDL_IGNORE);
    // Before the first pad is opened, so that a pad the file maps is read
    // through its mapping from the start.
    if (!mappingFile_.isEmpty()) AddControllerMappingFile(mappingFile_);
    Search();
}

Joystick::~Joystick() {
    Release();
}

void Joystick::Release() {
    released_ = true;
    timer_.stop();
    Close();
}

void Joystick::Close() {
    // A controller closes the joystick it opened.
    if (controller_) {
        SdlCalls().SDL_GameControllerClose(controller_);
    } else if (device_) {
        SdlCalls().SDL_JoystickClose(device_);
    }
    controller_ = nullptr;
    device_ = nullptr;
}

void Joystick::Search() {
    // SDL takes note of devices plugged in or pulled out only when its
    // joysticks are updated; with their events ignored, nothing else does it.
    SdlCalls().SDL_JoystickUpdate();
    if (SdlCalls().SDL_NumJoysticks() > 0) {
        // A pad whose mapping SDL cannot open is still read raw.
        if (SdlCalls().SDL_IsGameController(0)) controller_ = SdlCalls().SDL_GameControllerOpen(0);
        device_ = controller_ ? SdlCalls().SDL_GameControllerGetJoystick(controller_)
                              : SdlCalls().SDL_JoystickOpen(0);
    }
    if (device_) {
        thresholds_ = ComputeJoyThresholds(AxisMin, AxisMax, AxisMin, AxisMax);
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.start(PollPeriodMs);
    } else {
        timer_.setTimerType(Qt::CoarseTimer);
        timer_.start(SearchPeriodMs);
    }
}

void Joystick::Poll() {
    SdlCalls().SDL_JoystickUpdate();
    // A pad that has gone away has no state to report: it is let go, and the
    // first pad still present, if any, takes its place.
    if (!SdlCalls().SDL_JoystickGetAttached(device_)) {
        Close();
        Search();
        return;
    }
    const JoystickReport report =
        ReportOf(controller_ ? ReadController(controller_) : ReadRaw(device_));
    if (onReport_) onReport_(report);
}
