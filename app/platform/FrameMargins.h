#pragma once

#include <QMargins>

class QWidget;

// The margins (title bar and borders) that the window system will put around
// the top-level `window`, at its present flags and as a window of fixed size,
// before the window is first shown: under X11 the window manager is asked for
// them (_NET_REQUEST_FRAME_EXTENTS) and its answer awaited for 20 ms at most,
// a round trip through a window manager that answers; on Windows the window's
// rectangle as Windows reports it, the borders Qt takes to be invisible
// included; elsewhere Qt's own figure for the frame. With no window manager
// (then no stand-in window is made at all), or one that does not answer in
// that time, zero margins: the window then opens as if it had no frame.
QMargins FrameMarginsBeforeShown(const QWidget& window);
