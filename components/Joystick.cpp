#include "components/Joystick.h"

#include "components/SdlLibrary.h"
#include "components/SdlSession.h"

#include <algorithm>
#include <utility>

namespace {

// SDL reports axes from -32768 to 32767; the input handler expects the
// unsigned range 0 to 65535, so every value is shifted by half the range.
constexpr std::uint32_t AxisMin = 0;
constexpr std::uint32_t AxisMax = 65535;
constexpr int AxisShift = 32768;

// The report carries as many buttons as the input handler's button word has.
constexpr int ReportedButtons = 4;

// A missing axis reads as centred, a missing button as released.
std::uint16_t AxisPosition(SDL_Joystick* device, int axis) {
    if (axis >= SdlCalls().SDL_JoystickNumAxes(device)) return AxisShift;
    return static_cast<std::uint16_t>(SdlCalls().SDL_JoystickGetAxis(device, axis) + AxisShift);
}

std::uint32_t ButtonBits(SDL_Joystick* device) {
    const int buttons = std::min(SdlCalls().SDL_JoystickNumButtons(device), ReportedButtons);
    std::uint32_t bits = 0;
    for (int button = 0; button < buttons; ++button)
        if (SdlCalls().SDL_JoystickGetButton(device, button)) bits |= 1u << button;
    return bits;
}

} // namespace

JoyThresholds ComputeJoyThresholds(std::uint32_t xMin, std::uint32_t xMax, std::uint32_t yMin,
                                   std::uint32_t yMax) {
    return {xMin + (xMax - xMin) / 3, xMax - (xMax - xMin) / 3, yMin + (yMax - yMin) / 3,
            yMax - (yMax - yMin) / 3};
}

Joystick::Joystick(const SdlSession& session, ReportHandler onReport)
    : thresholds_(ComputeJoyThresholds(0, 0, 0, 0)), onReport_(std::move(onReport)) {
    QObject::connect(&timer_, &QTimer::timeout, [this] { device_ ? Poll() : Search(); });
    Open(session);
}

void Joystick::Open(const SdlSession& session) {
    if (released_ || timer_.isActive() || !session.HasJoystick()) return;
    // The state is read by polling; queued joystick events, the device
    // arrivals and removals among them, would only pile up.
    SdlCalls().SDL_JoystickEventState(SDL_IGNORE);
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
    if (device_) SdlCalls().SDL_JoystickClose(device_);
    device_ = nullptr;
}

void Joystick::Search() {
    // SDL takes note of devices plugged in or pulled out only when its
    // joysticks are updated; with their events ignored, nothing else does it.
    SdlCalls().SDL_JoystickUpdate();
    if (SdlCalls().SDL_NumJoysticks() > 0) device_ = SdlCalls().SDL_JoystickOpen(0);
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
    const JoystickReport report{ButtonBits(device_), AxisPosition(device_, 0),
                                AxisPosition(device_, 1)};
    if (onReport_) onReport_(report);
}
