#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

#include "app/input/JoystickStep.h"
#include "components/Joystick.h"

namespace {

// The thresholds of a joystick reporting 0 to 65535 on both axes.
const JoyThresholds Thirds = ComputeJoyThresholds(0, 65535, 0, 65535);

// Reports by name: the stick's direction and the buttons held.
constexpr std::uint16_t Centre = 32768;
JoystickReport Report(const std::string& what) {
    JoystickReport r{0, Centre, Centre};
    if (what.find("b1") != std::string::npos) r.Buttons |= 1;
    if (what.find("b2") != std::string::npos) r.Buttons |= 2;
    if (what.find("b3") != std::string::npos) r.Buttons |= 4;
    if (what.find("left") != std::string::npos) r.X = 0;
    if (what.find("right") != std::string::npos) r.X = 65535;
    if (what.find("up") != std::string::npos) r.Y = 0;
    if (what.find("down") != std::string::npos) r.Y = 65535;
    return r;
}

// Feeds the reports in turn from the given repeat state; the codes, and the
// repeat state at the end.
std::pair<std::vector<int>, int> Feed(const std::vector<std::string>& reports, int state = 0) {
    std::vector<int> codes;
    for (const std::string& r : reports)
        codes.push_back(JoystickStep(state, Report(r), Thirds));
    return {codes, state};
}

TEST(JoystickStepTest, HeldInputsRepeatAtTheirOwnPace) {
    const struct {
        const char* name;
        std::vector<std::string> reports;
        std::vector<int> codes;
    } cases[] = {
        {"button 1 turns left, again every third report",
         {"b1", "b1", "b1", "b1", "b1", "b1", "b1"},
         {2, 9, 9, 2, 9, 9, 2}},
        {"button 2 turns right", {"b2", "b2", "b2", "b2"}, {3, 9, 9, 3}},
        {"left moves on every second report",
         {"left", "left", "left", "left", "left"},
         {5, 9, 5, 9, 5}},
        {"right likewise", {"right", "right", "right"}, {6, 9, 6}},
        {"down drops on every report", {"down", "down", "down", "down"}, {0, 0, 0, 0}},
        {"down right after a button", {"b1", "down", "down", "down"}, {2, 0, 0, 0}},
        {"down with a button drops instead of turning",
         {"b1 down", "b1 down", "b1 down"},
         {0, 0, 0}},
        {"up gives nothing", {"up", "up"}, {9, 9}},
        {"up cancels a button and a sideways push", {"b1 up", "left up", "right up b2"}, {9, 9, 9}},
        {"both buttons do nothing", {"b1 b2", "b1 b2", "b1 b2"}, {9, 9, 9}},
        {"a third button spoils the first", {"b1 b3", "b2 b3"}, {9, 9}},
        {"sideways overrides a button", {"b1 left", "b2 right"}, {5, 9}},
        {"a released button turns again once the hold is over", {"b1", "", "", "b1"}, {2, 9, 9, 2}},
        {"the hold also covers a fresh button after a move", {"left", "b2", "b2"}, {5, 9, 3}},
        {"nothing held", {"", "", ""}, {9, 9, 9}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Feed(c.reports).first, c.codes);
    }
}

TEST(JoystickStepTest, TheRepeatStateCountsOnThroughCancelledInputsAndIdleReports) {
    // Up cancels the turn, but the button still sets the hold.
    EXPECT_EQ(Feed({"b1 up", "b1", "b1", "b1"}).first, (std::vector<int>{9, 9, 9, 2}));
    // Idle reports keep counting down below zero.
    EXPECT_EQ(Feed({"", "", ""}).second, -3);
    EXPECT_EQ(Feed({"b1", ""}).second, 1);
    // A state that has counted far down never comes back to a hold by itself.
    const int lowest = std::numeric_limits<int>::min();
    EXPECT_EQ(Feed({"", ""}, lowest + 1), std::make_pair(std::vector<int>{9, 9}, lowest));
    EXPECT_EQ(Feed({"b1"}, lowest).first, std::vector<int>{2});
}

TEST(JoystickStepTest, TheDeadZoneEndsStrictlyAtTheThresholds) {
    const std::uint32_t left = Thirds.JoyLeft, right = Thirds.JoyRight;
    const std::uint32_t up = Thirds.JoyUp, down = Thirds.JoyDown;
    const struct {
        std::uint32_t x, y;
        int code;
    } cases[] = {
        {left, Centre, 9},      {left - 1, Centre, 5}, {right, Centre, 9},
        {right + 1, Centre, 6}, {Centre, up, 9},       {Centre, up - 1, 9},
        {Centre, down, 9},      {Centre, down + 1, 0}, {left - 1, up - 1, 9},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "x " << c.x << ", y " << c.y);
        int state = 0;
        const JoystickReport report{0, static_cast<std::uint16_t>(c.x),
                                    static_cast<std::uint16_t>(c.y)};
        EXPECT_EQ(JoystickStep(state, report, Thirds), c.code);
    }
}

TEST(JoystickStepTest, ThresholdsLieAtTheThirdsInUnsignedArithmetic) {
    const struct {
        std::uint32_t min, max, low, high;
    } cases[] = {
        {0, 65535, 21845, 43690},
        {0, 10, 3, 7}, // the division truncates
        {100, 400, 200, 300},
        {0, 0, 0, 0},                                       // no joystick
        {10, 4, 10 + 0xFFFFFFFAu / 3, 4 - 0xFFFFFFFAu / 3}, // a reversed range wraps round
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.min << " to " << c.max);
        const JoyThresholds t = ComputeJoyThresholds(c.min, c.max, c.min, c.max);
        EXPECT_EQ(t.JoyLeft, c.low);
        EXPECT_EQ(t.JoyRight, c.high);
        EXPECT_EQ(t.JoyUp, c.low);
        EXPECT_EQ(t.JoyDown, c.high);
    }
}

} // namespace
