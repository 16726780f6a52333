#include "components/PadReport.h"

namespace {

// SDL's axes run from -32768 to 32767; the report's from 0 to 65535.
constexpr int AxisShift = 32768;
constexpr std::uint16_t AxisLow = 0;
constexpr std::uint16_t AxisHigh = 65535;

std::uint16_t Axis(std::int16_t stick, bool dpadLow, bool dpadHigh) {
    if (dpadLow && !dpadHigh) return AxisLow;
    if (dpadHigh && !dpadLow) return AxisHigh;
    return static_cast<std::uint16_t>(stick + AxisShift);
}

} // namespace

JoystickReport ReportOf(const PadState& pad) {
    return {pad.Buttons, Axis(pad.StickX, pad.DPad & DPadBits::Left, pad.DPad & DPadBits::Right),
            Axis(pad.StickY, pad.DPad & DPadBits::Up, pad.DPad & DPadBits::Down), pad.Start};
}
