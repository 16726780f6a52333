#include "app/OpenDialogs.h"

#include <QApplication>
#include <QDialog>

void DismissOpenDialogs(QWidget& window) {
    for (QDialog* dialog : window.findChildren<QDialog*>()) {
        if (dialog->isVisible()) dialog->reject();
    }
    // A menu may open another over it; a few rounds close them all.
    for (int i = 0; i < 8 && QApplication::activePopupWidget(); ++i) {
        QApplication::activePopupWidget()->close();
    }
}
