#pragma once

class QWidget;

// Turns SIGTERM and SIGINT into a close of `window` on the user-interface
// thread, so that the close sequence runs as for the quit command.
void CloseOnTermination(QWidget* window);
