#include "app/CentreCommand.h"

#include <QAction>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
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
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->geometry().center());
    window.move(frame.topLeft());
}
