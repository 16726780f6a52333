#pragma once

class QWidget;

// Turns a request to end the program from outside (SIGTERM and SIGINT on
// Linux; Ctrl+C or a closed console on Windows) into a close of `window` on the user-interface
// thread, so that the close sequence runs as for the quit command.
void CloseOnTermination(QWidget* window);
