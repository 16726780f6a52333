#include "app/platform/CentreCommand.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

void AddWindowMenuCommands(QMenu& menu, const WindowMenuHandler& onCommand) {
    menu.addSeparator()->setData(WindowMenuSeparatorId);
    QAction* centre = menu.addAction(QString::fromUtf8(CentreCommandText));
    centre->setData(CentreCommandId);
    QObject::connect(centre, &QAction::triggered, &menu,
                     [onCommand] { onCommand(CentreCommandId); });
}

void RestoreAndCentre(QWidget& window) {
    if (window.isMinimized()) {
        window.showNormal();
        window.raise();
        window.activateWindow();
    }
    CentreOuterFrame(window);
}
