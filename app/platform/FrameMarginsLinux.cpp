#include "app/platform/FrameMargins.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QThread>
#include <QWidget>
#include <QWindow>

#if BRIMAL_HAVE_XCB
#include <QtGui/qguiapplication_platform.h>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>
#include <xcb/xcb.h>
#endif

namespace {

#if BRIMAL_HAVE_XCB

template <class Reply> using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

xcb_atom_t Atom(xcb_connection_t* x, const char* name) {
    ReplyPtr<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(x, xcb_intern_atom(x, 0, std::strlen(name), name), nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// The property's 32-bit values; empty when it is missing.
std::vector<std::uint32_t> Values(xcb_connection_t* x, xcb_window_t window, xcb_atom_t property,
                                  xcb_atom_t type) {
    ReplyPtr<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(x, xcb_get_property(x, 0, window, property, type, 0, 4096), nullptr),
        &std::free);
    if (!reply || reply->format != 32) return {};
    const auto* data = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
    return std::vector<std::uint32_t>(data, data + xcb_get_property_value_length(reply.get()) / 4);
}

QMargins AskTheWindowManager(xcb_connection_t* x, const std::function<WId()>& standIn) {
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const xcb_atom_t request = Atom(x, "_NET_REQUEST_FRAME_EXTENTS");
    const std::vector<std::uint32_t> supported =
        Values(x, root, Atom(x, "_NET_SUPPORTED"), XCB_ATOM_ATOM);
    // No window manager, or one that cannot tell: no stand-in is made at all.
    if (request == XCB_ATOM_NONE ||
        std::find(supported.begin(), supported.end(), request) == supported.end())
        return {};
    const auto window = static_cast<xcb_window_t>(standIn());
    const xcb_atom_t extents = Atom(x, "_NET_FRAME_EXTENTS");
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = request;
    xcb_send_event(x, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(x);
    // A window manager that answers sets the property within a few
    // milliseconds (openbox took 1 to 4 ms on a loaded machine), a round trip
    // through it; one that has not after AnswerWaitMs is taken not to answer,
    // and the window opens as if it had no frame.
    constexpr qint64 AnswerWaitMs = 20;
    QElapsedTimer sent;
    sent.start();
    do {
        const std::vector<std::uint32_t> v = Values(x, window, extents, XCB_ATOM_CARDINAL);
        if (v.size() == 4) {
            // left, right, top, bottom
            return QMargins(int(v[0]), int(v[2]), int(v[1]), int(v[3]));
        }
        QThread::usleep(200);
    } while (sent.elapsed() < AnswerWaitMs);
    return {};
}

#endif

} // namespace

QMargins FrameMarginsBeforeShown(const QWidget& window) {
    // A stand-in of the same kind and size, created but never shown: Qt
    // places a window that is not created yet by its frame's corner, as the
    // stored position wants, so the window itself is left alone.
    QWidget standIn(nullptr, window.windowFlags());
    standIn.setFixedSize(window.size());
#if BRIMAL_HAVE_XCB
    // Qt's offscreen platform answers for X11 too, without a connection.
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 && x11->connection())
        return AskTheWindowManager(x11->connection(), [&standIn] { return standIn.winId(); });
#endif
    standIn.winId();
    return standIn.windowHandle() ? standIn.windowHandle()->frameMargins() : QMargins();
}
