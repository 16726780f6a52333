#include "app/platform/PlatformChoice.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <map>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

using Variables = std::map<std::string, std::string>;

EnvironmentLookup Environment(const Variables& variables) {
    return [variables](const std::string& name) -> std::optional<std::string> {
        const auto found = variables.find(name);
        if (found == variables.end()) return std::nullopt;
        return found->second;
    };
}

TEST(PlatformChoice, AWaylandSessionWithAnXServerRunsOnXAndTheUsersChoiceAlwaysStands) {
    struct Case {
        const char* what;
        Variables variables;
        bool xAnswers;
        std::string platform;
    };
    const Case cases[] = {
        {"X session", {{"DISPLAY", ":0"}, {"XDG_SESSION_TYPE", "x11"}}, true, ""},
        {"Wayland display with XWayland",
         {{"WAYLAND_DISPLAY", "wayland-0"}, {"DISPLAY", ":0"}},
         true,
         "xcb;wayland"},
        {"Wayland session type with XWayland",
         {{"XDG_SESSION_TYPE", "wayland"}, {"DISPLAY", ":1"}},
         true,
         "xcb;wayland"},
        {"Wayland, DISPLAY set but no X server answers",
         {{"WAYLAND_DISPLAY", "wayland-0"}, {"DISPLAY", ":0"}},
         false,
         ""},
        {"Wayland without DISPLAY", {{"WAYLAND_DISPLAY", "wayland-0"}}, true, ""},
        {"Wayland with an empty DISPLAY",
         {{"WAYLAND_DISPLAY", "wayland-0"}, {"DISPLAY", ""}},
         true,
         ""},
        {"empty WAYLAND_DISPLAY on a tty",
         {{"WAYLAND_DISPLAY", ""}, {"XDG_SESSION_TYPE", "tty"}, {"DISPLAY", ":0"}},
         true,
         ""},
        {"the user asks for Wayland",
         {{"QT_QPA_PLATFORM", "wayland"}, {"WAYLAND_DISPLAY", "wayland-0"}, {"DISPLAY", ":0"}},
         true,
         ""},
        {"the user asks for X", {{"QT_QPA_PLATFORM", "xcb"}, {"WAYLAND_DISPLAY", "w"}}, false, ""},
        {"an empty QT_QPA_PLATFORM counts as unset",
         {{"QT_QPA_PLATFORM", ""}, {"WAYLAND_DISPLAY", "wayland-0"}, {"DISPLAY", ":0"}},
         true,
         "xcb;wayland"},
        {"nothing set", {}, true, ""},
    };
    for (const Case& c : cases) {
        std::vector<std::string> probed;
        const std::string platform =
            ChoosePlatform(Environment(c.variables), [&](const std::string& display) {
                probed.push_back(display);
                return c.xAnswers;
            });
        EXPECT_EQ(platform, c.platform) << c.what;
        // The X server is asked about only when its answer decides.
        const auto display = c.variables.find("DISPLAY");
        if (!c.platform.empty()) {
            EXPECT_EQ(probed, std::vector<std::string>{display->second}) << c.what;
        }
    }
}

// Listens on the abstract socket that an X server of the given display number
// would use, for as long as it lives.
class FakeXServer {
public:
    explicit FakeXServer(int number) {
        const std::string path = std::string(1, '\0') + "/tmp/.X11-unix/X" + std::to_string(number);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        path.copy(address.sun_path, path.size());
        fd_ = socket(AF_UNIX, SOCK_STREAM, 0);
        const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + path.size());
        listening_ = fd_ >= 0 &&
                     bind(fd_, reinterpret_cast<const sockaddr*>(&address), length) == 0 &&
                     listen(fd_, 4) == 0;
    }
    ~FakeXServer() {
        if (fd_ >= 0) close(fd_);
    }
    bool Listening() const { return listening_; }

private:
    int fd_ = -1;
    bool listening_ = false;
};

TEST(PlatformChoice, TheProbeConnectsToTheLocalDisplaysSocketAndTrustsARemoteHost) {
    constexpr int Number = 64917; // far above the displays that X servers take
    FakeXServer server(Number);
    ASSERT_TRUE(server.Listening());
    const std::string number = std::to_string(Number);
    const std::pair<std::string, bool> cases[] = {
        {":" + number, true},
        {":" + number + ".0", true},
        {"unix:" + number, true},
        {":" + std::to_string(Number + 1), false}, // nobody listens
        {"remotehost:0", true},
        {":", false},
        {":x", false},
        {"", false},
        {"nocolon", false},
    };
    for (const auto& [display, answers] : cases) {
        EXPECT_EQ(XServerAnswers(display), answers) << display;
    }
}

} // namespace
