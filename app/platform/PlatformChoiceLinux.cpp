#include "app/platform/PlatformChoice.h"

#include <cstddef>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// Whether something accepts a connection on the Unix socket at `path`; a
// leading NUL names a socket in the abstract namespace.
bool SocketAnswers(const std::string& path) {
    sockaddr_un address{};
    if (path.size() >= sizeof(address.sun_path)) return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.data(), path.size());
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + path.size());
    const bool answered = connect(fd, reinterpret_cast<const sockaddr*>(&address), length) == 0;
    close(fd);
    return answered;
}

} // namespace

bool XServerAnswers(const std::string& display) {
    // [host]:number[.screen]; the host "unix" or none means this machine.
    const std::size_t colon = display.rfind(':');
    if (colon == std::string::npos) return false;
    const std::string host = display.substr(0, colon);
    if (!host.empty() && host != "unix") return true;
    std::string number = display.substr(colon + 1);
    number = number.substr(0, number.find('.'));
    if (number.empty() || number.find_first_not_of("0123456789") != std::string::npos) return false;
    const std::string path = "/tmp/.X11-unix/X" + number;
    // XWayland and Xorg listen on both the file and the abstract socket; a
    // sandbox may hide either.
    return SocketAnswers(path) || SocketAnswers(std::string(1, '\0') + path);
}
