#include "components/Joystick.h"

#include "components/SdlSession.h"

#include <SDL.h>
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
    if (axis >= SDL_JoystickNumAxes(device)) return AxisShift;
    return static_cast<std::uint16_t>(SDL_JoystickGetAxis(device, axis) + AxisShift);
}

std::uint32_t ButtonBits(SDL_Joystick* device) {
    const int buttons = std::min(SDL_JoystickNumButtons(device), ReportedButtons);
    std::uint32_t bits = 0;
    for (int button = 0; button < buttons; ++button)
        if (SDL_JoystickGetButton(device, button)) bits |= 1u << button;
    return bits;
}

} // namespace

JoyThresholds ComputeJoyThresholds(std::uint32_t xMin, std::uint32_t xMax, std::uint32_t yMin,
                                   std::uint32_t yMax) {
    return {xMin + (xMax - xMin) / 3, xMax - (xMax - xMin) / 3, yMin + (yMax - yMin) / 3,
            yMax - (yMax - yMin) / 3};
}

Joystick::Joystick(const SdlSession& session, ReportHandler onReport)
    : onReport_(std::move(onReport)) {
    if (session.HasJoystick() && SDL_NumJoysticks() > 0) device_ = SDL_JoystickOpen(0);
    if (!device_) {
        thresholds_ = ComputeJoyThresholds(0, 0, 0, 0);
        return;
    }
    thresholds_ = ComputeJoyThresholds(AxisMin, AxisMax, AxisMin, AxisMax);
    // The state is read by polling; queued joystick events would only pile up.
    SDL_JoystickEventState(SDL_IGNORE);
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(PollPeriodMs);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
    timer_.start();
}

Joystick::~Joystick() {
    Release();
}

void Joystick::Release() {
    timer_.stop();
    if (device_) SDL_JoystickClose(device_);
    device_ = nullptr;
}

void Joystick::Poll() {
    if (!device_) return;
    SDL_JoystickUpdate();
    // A device that has gone away has no state to report.
    if (!SDL_JoystickGetAttached(device_)) return;
    const JoystickReport report{ButtonBits(device_), AxisPosition(device_, 0),
                                AxisPosition(device_, 1)};
    if (onReport_) onReport_(report);
}
