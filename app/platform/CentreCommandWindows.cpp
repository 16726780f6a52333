#include "app/platform/CentreCommand.h"

#include <QByteArray>
#include <QString>
#include <QWidget>

#include <windows.h>

namespace {

// Appends the additions to the window's own window menu, the one its task-bar
// button shows, without resetting the menu.
class WindowsAdditions : public WindowMenuAdditions {
public:
    WindowsAdditions(QWidget* window, WindowMenuHandler onCommand)
        : onCommand_(std::move(onCommand)) {
        const HMENU menu = GetSystemMenu(reinterpret_cast<HWND>(window->winId()), FALSE);
        const std::wstring text = CentreCommandCaption().toStdWString();
        InsertMenuW(menu, static_cast<UINT>(-1), MF_BYPOSITION | MF_SEPARATOR,
                    WindowMenuSeparatorId, nullptr);
        InsertMenuW(menu, static_cast<UINT>(-1), MF_BYPOSITION | MF_STRING, CentreCommandId,
                    text.c_str());
        menu_ = menu;
    }

    void Retranslate() override {
        const std::wstring text = CentreCommandCaption().toStdWString();
        ModifyMenuW(menu_, CentreCommandId, MF_BYCOMMAND | MF_STRING, CentreCommandId,
                    text.c_str());
    }

    bool TakeNativeEvent(const QByteArray& eventType, void* message, qintptr* result) override {
        if (eventType != "windows_generic_MSG") return false;
        const MSG* msg = static_cast<const MSG*>(message);
        // The identifier arrives in wParam exactly as it was inserted.
        if (msg->message != WM_SYSCOMMAND || msg->wParam != CentreCommandId) return false;
        onCommand_(CentreCommandId);
        *result = 0;
        return true;
    }

private:
    WindowMenuHandler onCommand_;
    HMENU menu_ = nullptr;
};

} // namespace

std::unique_ptr<WindowMenuAdditions> WindowMenuAdditions::Install(QWidget* window,
                                                                  WindowMenuHandler onCommand) {
    return std::make_unique<WindowsAdditions>(window, std::move(onCommand));
}

void CentreOuterFrame(QWidget& window) {
    const HWND handle = reinterpret_cast<HWND>(window.winId());
    RECT frame;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!GetWindowRect(handle, &frame) ||
        !GetMonitorInfoW(MonitorFromWindow(handle, MONITOR_DEFAULTTONEAREST), &monitor))
        return;
    // In the screen's own pixels, so that no scaling rounds the frame apart.
    const RECT& screen = monitor.rcMonitor;
    const int left = screen.left + ((screen.right - screen.left) - (frame.right - frame.left)) / 2;
    const int top = screen.top + ((screen.bottom - screen.top) - (frame.bottom - frame.top)) / 2;
    SetWindowPos(handle, nullptr, left, top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}
