#include "app/platform/CentreCommand.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QWidget>

QString CentreCommandCaption() {
    return QCoreApplication::translate("WindowMenu", CentreCommandText);
}

void AddWindowMenuCommands(QMenu& menu, const WindowMenuHandler& onCommand) {
    menu.addSeparator()->setData(WindowMenuSeparatorId);
    QAction* centre = menu.addAction(CentreCommandCaption());
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
