#include "app/platform/TerminationSignal.h"

// Nothing to install: see the header. The position is saved by the close that
// the main window makes when the session ends (Qt's commitDataRequest, from
// WM_QUERYENDSESSION).
void CloseOnTermination(QWidget*) {}
