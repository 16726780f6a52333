#include "app/platform/FrameMargins.h"

#include <QWidget>

#include <windows.h>

namespace {

// The window's rectangle as Windows reports it (GetWindowRect) around its
// client area, in Qt's pixels. Qt's own figure leaves out the borders it takes
// to be invisible (a resize border's width on the left, right and bottom),
// which Windows counts in the window's size and Wine does not draw at all.
QMargins WindowRectangleAround(HWND window, qreal pixelRatio) {
    RECT frame;
    RECT client;
    POINT origin{0, 0};
    if (!GetWindowRect(window, &frame) || !GetClientRect(window, &client) ||
        !ClientToScreen(window, &origin))
        return {};
    const auto logical = [pixelRatio](LONG pixels) { return qRound(pixels / pixelRatio); };
    return QMargins(logical(origin.x - frame.left), logical(origin.y - frame.top),
                    logical(frame.right - origin.x - client.right),
                    logical(frame.bottom - origin.y - client.bottom));
}

} // namespace

QMargins FrameMarginsBeforeShown(const QWidget& window) {
    // A stand-in of the same kind and size, created but never shown, so the
    // window itself is left alone.
    QWidget standIn(nullptr, window.windowFlags());
    standIn.setFixedSize(window.size());
    return WindowRectangleAround(reinterpret_cast<HWND>(standIn.winId()),
                                 standIn.devicePixelRatioF());
}
