#pragma once

#include <functional>
#include <memory>

class QMenu;
class QSystemTrayIcon;
class QWidget;

// The program's additions to the window menu of its task-bar button, by
// command id: a separator (10), then "画面中央へ移動(&D)" (11), which brings
// the main window back to the centre of the screen.
inline constexpr int WindowMenuSeparatorId = 10;
inline constexpr int CentreCommandId = 11;

// What is done with the id of a chosen window-menu command.
using WindowMenuHandler = std::function<void(int id)>;

// Appends the additions to a menu. Each item carries its command id as its
// action's data; choosing the centring item calls `onCommand` with 11.
void AddWindowMenuCommands(QMenu& menu, const WindowMenuHandler& onCommand);

// The desktop's stand-in for the task-bar button's window menu: an icon in the
// system tray whose menu holds the additions. Only where the desktop has a
// system tray; CreateIfAvailable gives null elsewhere.
//
// Threads: the user-interface thread.
class CentreTrayIcon {
public:
    static std::unique_ptr<CentreTrayIcon> CreateIfAvailable(QWidget* window,
                                                             WindowMenuHandler onCommand);
    ~CentreTrayIcon();
    CentreTrayIcon(const CentreTrayIcon&) = delete;
    CentreTrayIcon& operator=(const CentreTrayIcon&) = delete;

private:
    CentreTrayIcon(QWidget* window, WindowMenuHandler onCommand);

    std::unique_ptr<QMenu> menu_;
    std::unique_ptr<QSystemTrayIcon> icon_; // after the menu: goes first
};
