#pragma once

#include <functional>
#include <optional>
#include <string>

// An environment variable's value, or nothing when it is not set.
using EnvironmentLookup = std::function<std::optional<std::string>(const std::string& name)>;
// Whether the X server named by a DISPLAY value answers.
using XServerProbe = std::function<bool(const std::string& display)>;

// The platforms the program asks Qt for, in Qt's order of trying, or an empty
// text to leave the choice to Qt. In a Wayland session with an X server at
// hand (XWayland) the program runs on X: only there may a program place its
// window and the pointer, which the stored window position, the pointer move
// at the end of a game and the centring command need. Wayland stays second,
// should the X server refuse the connection after all. A QT_QPA_PLATFORM set
// by the user is always followed; without an X server Qt's own choice stands
// and only those three are lost.
std::string ChoosePlatform(const EnvironmentLookup& environment, const XServerProbe& xServer);

// This process's environment.
std::optional<std::string> ProcessEnvironment(const std::string& name);

// Whether a local X server answers on the socket that a DISPLAY value such as
// ":0", ":1.0" or "unix:2" names. A display on another host is taken to answer:
// it is not probed over the network.
bool XServerAnswers(const std::string& display);
