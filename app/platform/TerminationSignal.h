#pragma once

class QWidget;

// On Linux, turns SIGTERM and SIGINT into a close of `window` on the
// user-interface thread, so that the close sequence runs as for the quit
// command. On Windows it does nothing: the program is windowed and has no
// console, so no console signal ever reaches it; the system ends it through
// its window instead (a close message from the task manager, the end of the
// session), and Qt turns those into the same close.
void CloseOnTermination(QWidget* window);
