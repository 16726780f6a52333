// Shows the settings dialog over default settings and a store file in the
// folder given, with its controls made readable by assistive technology as
// the program makes them, for a script that reads it from outside. Prints
// "page N" whenever the shown page changes; ends when the dialog closes.

#include "settings/PageControl.h"
#include "settings/SettingsAccessibility.h"
#include "settings/SettingsDialog.h"
#include "settings/SettingsStore.h"

#include <QApplication>
#include <QDir>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s STORE-FOLDER\n", argv[0]);
        return 2;
    }
    InstallSettingsAccessibility();
    TGameSettings settings;
    SettingsStore store(QDir(QString::fromLocal8Bit(argv[1])).filePath("Brimal.conf"));
    auto* form = new TSetform(nullptr, settings, store);
    QObject::connect(form->PageControl1, &TPageControl::Change, [form] {
        std::printf("page %d\n", form->PageControl1->ActivePageIndex());
        std::fflush(stdout);
    });
    QObject::connect(form, &QObject::destroyed, &application, &QApplication::quit);
    form->show();
    return application.exec();
}
