#pragma once

class QWidget;

// Closes what the window still has up, a message, the settings dialog or a
// menu, as if cancelled: one of them would keep the program running after its
// window has closed, and a close by signal or at the end of the session may
// come while one is up.
void DismissOpenDialogs(QWidget& window);
