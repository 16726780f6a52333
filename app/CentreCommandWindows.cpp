#include "app/CentreCommand.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QString>
#include <QWidget>

#include <windows.h>

namespace {

// Appends the additions to the window's own window menu, the one its task-bar
// button shows, without resetting the menu, and takes the system command that
// choosing the centring item sends.
class WindowsAdditions : public QAbstractNativeEventFilter, public WindowMenuAdditions {
public:
    WindowsAdditions(QWidget* window, WindowMenuHandler onCommand)
        : onCommand_(std::move(onCommand)) {
        const HMENU menu = GetSystemMenu(reinterpret_cast<HWND>(window->winId()), FALSE);
        const std::wstring text = QString::fromUtf8(CentreCommandText).toStdWString();
        InsertMenuW(menu, static_cast<UINT>(-1), MF_BYPOSITION | MF_SEPARATOR,
                    WindowMenuSeparatorId, nullptr);
        InsertMenuW(menu, static_cast<UINT>(-1), MF_BYPOSITION | MF_STRING, CentreCommandId,
                    text.c_str());
        QCoreApplication::instance()->installNativeEventFilter(this);
    }

    ~WindowsAdditions() override {
        if (QCoreApplication::instance())
            QCoreApplication::instance()->removeNativeEventFilter(this);
    }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
        if (eventType != "windows_generic_MSG") return false;
        const MSG* msg = static_cast<const MSG*>(message);
        // The identifier arrives in wParam exactly as it was inserted.
        if (msg->message != WM_SYSCOMMAND || msg->wParam != CentreCommandId) return false;
        onCommand_(CentreCommandId);
        return true;
    }

private:
    WindowMenuHandler onCommand_;
};

} // namespace

std::unique_ptr<WindowMenuAdditions> WindowMenuAdditions::Install(QWidget* window,
                                                                  WindowMenuHandler onCommand) {
    return std::make_unique<WindowsAdditions>(window, std::move(onCommand));
}
