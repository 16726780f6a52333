#include "app/platform/PlatformChoice.h"

#include <cstdlib>

namespace {

bool IsSet(const std::optional<std::string>& value) {
    return value && !value->empty();
}

} // namespace

std::string ChoosePlatform(const EnvironmentLookup& environment, const XServerProbe& xServer) {
    if (IsSet(environment("QT_QPA_PLATFORM"))) return {};
    const bool wayland =
        IsSet(environment("WAYLAND_DISPLAY")) || environment("XDG_SESSION_TYPE") == "wayland";
    if (!wayland) return {};
    const std::optional<std::string> display = environment("DISPLAY");
    if (!IsSet(display) || !xServer(*display)) return {};
    return "xcb;wayland";
}

std::optional<std::string> ProcessEnvironment(const std::string& name) {
    const char* value = std::getenv(name.c_str());
    if (!value) return std::nullopt;
    return std::string(value);
}
