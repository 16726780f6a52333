#include "app/CentreCommand.h"

#include <QAction>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QWidget>

void AddWindowMenuCommands(QMenu& menu, const WindowMenuHandler& onCommand) {
    menu.addSeparator()->setData(WindowMenuSeparatorId);
    QAction* centre = menu.addAction("画面中央へ移動(&D)");
    centre->setData(CentreCommandId);
    QObject::connect(centre, &QAction::triggered, &menu,
                     [onCommand] { onCommand(CentreCommandId); });
}

std::unique_ptr<CentreTrayIcon> CentreTrayIcon::CreateIfAvailable(QWidget* window,
                                                                  WindowMenuHandler onCommand) {
    if (!QSystemTrayIcon::isSystemTrayAvailable()) return nullptr;
    return std::unique_ptr<CentreTrayIcon>(new CentreTrayIcon(window, std::move(onCommand)));
}

CentreTrayIcon::CentreTrayIcon(QWidget* window, WindowMenuHandler onCommand)
    : menu_(std::make_unique<QMenu>()), icon_(std::make_unique<QSystemTrayIcon>()) {
    AddWindowMenuCommands(*menu_, onCommand);
    icon_->setIcon(window->windowIcon());
    icon_->setToolTip(window->windowTitle());
    icon_->setContextMenu(menu_.get());
    icon_->show();
}

CentreTrayIcon::~CentreTrayIcon() {
    icon_->hide();
}
