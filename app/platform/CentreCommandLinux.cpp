#include "app/platform/CentreCommand.h"

#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QPointer>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QWidget>

namespace {

class LinuxAdditions : public QObject, public WindowMenuAdditions {
public:
    LinuxAdditions(QWidget* window, WindowMenuHandler onCommand)
        : window_(window), onCommand_(std::move(onCommand)) {
        window->installEventFilter(this);
        if (!QSystemTrayIcon::isSystemTrayAvailable()) return;
        trayMenu_ = std::make_unique<QMenu>();
        AddWindowMenuCommands(*trayMenu_, onCommand_);
        trayIcon_ = std::make_unique<QSystemTrayIcon>();
        trayIcon_->setIcon(window->windowIcon());
        trayIcon_->setToolTip(window->windowTitle());
        trayIcon_->setContextMenu(trayMenu_.get());
        trayIcon_->show();
    }

    ~LinuxAdditions() override {
        if (trayIcon_) trayIcon_->hide();
        if (window_) window_->removeEventFilter(this);
    }

    // The command comes from the menus above, never as a native message.
    bool TakeNativeEvent(const QByteArray&, void*, qintptr*) override { return false; }

    // The context menu is made anew for each click; the tray's stays.
    void Retranslate() override {
        if (!trayMenu_) return;
        for (QAction* action : trayMenu_->actions())
            if (action->data().toInt() == CentreCommandId) action->setText(CentreCommandCaption());
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != window_ || event->type() != QEvent::ContextMenu) return false;
        QMenu menu(window_);
        AddWindowMenuCommands(menu, onCommand_);
        menu.exec(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }

private:
    QPointer<QWidget> window_;
    WindowMenuHandler onCommand_;
    std::unique_ptr<QMenu> trayMenu_;
    std::unique_ptr<QSystemTrayIcon> trayIcon_; // after its menu: goes first
};

} // namespace

std::unique_ptr<WindowMenuAdditions> WindowMenuAdditions::Install(QWidget* window,
                                                                  WindowMenuHandler onCommand) {
    return std::make_unique<LinuxAdditions>(window, std::move(onCommand));
}

// The window manager's frame as Qt learnt it from the window manager.
void CentreOuterFrame(QWidget& window) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->geometry().center());
    window.move(frame.topLeft());
}
