#pragma once

#include <QString>
#include <QtGlobal>
#include <functional>
#include <memory>

class QByteArray;
class QMenu;
class QWidget;

// The program's additions to the window menu of its task-bar button, by
// command id: a separator (10), then "画面中央へ移動(&D)" (11), which brings
// the main window back to the centre of the screen.
inline constexpr int WindowMenuSeparatorId = 10;
inline constexpr int CentreCommandId = 11;
inline constexpr const char* CentreCommandText =
    QT_TRANSLATE_NOOP("WindowMenu", "画面中央へ移動(&D)");

// The centring command's text in the language in use.
QString CentreCommandCaption();

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
// system command 11 that reaches the window calls `onCommand`
// (CentreCommandWindows.cpp): the window hands its native messages to
// TakeNativeEvent, since only the window's own `nativeEvent` sees the command
// on every path (sent by another program, posted, or chosen in the menu that
// Qt opens itself for Alt+Space); application-wide filters see it only when
// it is posted.
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

    // A native message of the window: true, with the message's result set,
    // when it was the centring command and has been carried out.
    virtual bool TakeNativeEvent(const QByteArray& eventType, void* message, qintptr* result) = 0;
    // Shows the additions that stay open in the language now in use.
    virtual void Retranslate() = 0;
};

// Moves the top-level `window` so that its outer frame, title bar and borders
// included, is centred on its screen, the frame as the window system reports
// it: on Windows the window's rectangle (GetWindowRect), in the screen's own
// pixels; elsewhere the frame Qt learnt from the window manager.
void CentreOuterFrame(QWidget& window);
