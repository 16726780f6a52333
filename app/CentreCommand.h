#pragma once

#include <functional>
#include <memory>

class QMenu;
class QWidget;

// The program's additions to the window menu of its task-bar button, by
// command id: a separator (10), then "画面中央へ移動(&D)" (11), which brings
// the main window back to the centre of the screen.
inline constexpr int WindowMenuSeparatorId = 10;
inline constexpr int CentreCommandId = 11;
inline constexpr const char* CentreCommandText = "画面中央へ移動(&D)";

// What is done with the id of a chosen window-menu command.
using WindowMenuHandler = std::function<void(int id)>;

// Appends the additions to a menu. Each item carries its command id as its
// action's data; choosing the centring item calls `onCommand` with 11.
void AddWindowMenuCommands(QMenu& menu, const WindowMenuHandler& onCommand);

// The centring command itself: brings `window` back when it is minimised,
// then centres its outer frame on the screen it is on.
void RestoreAndCentre(QWidget& window);

// The additions where this platform offers them, for as long as the object
// lives. On Windows they go into the real window menu of the window, and the
// system command 11 it sends calls `onCommand` (CentreCommandWindows.cpp).
// The Linux desktop gives a program no way into the task bar's window menu:
// there they live in the window's context menu and, where the desktop has a
// system tray, in the menu of the program's tray icon (CentreCommandLinux.cpp).
//
// Threads: the user-interface thread.
class WindowMenuAdditions {
public:
    static std::unique_ptr<WindowMenuAdditions> Install(QWidget* window,
                                                        WindowMenuHandler onCommand);
    virtual ~WindowMenuAdditions() = default;
};
