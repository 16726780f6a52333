#include "SetformRig.h"

#include "settings/SettingsIO.h"

#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

SetformRig::SetformRig(const TGameSettings& initial) : settings(initial) {
    store = std::make_unique<SettingsStore>(folder_.Path());
    SaveSettings(*store, settings);
    DesktopServices desktop;
    desktop.MessageBeep = [this](BeepKind kind) { beeps.push_back(kind); };
    desktop.ShellOpen = [this](QWidget* owner, const QString& path) {
        opened << path;
        openedFor.push_back(owner);
    };
    desktop.ChooseSoundFile = [this](QWidget* owner) {
        return chooseSoundFile ? chooseSoundFile(owner) : QString();
    };
    form = new TSetform(nullptr, settings, *store, desktop);
    form->show();
    // Without a window manager (Xvfb) nothing activates a new window by itself.
    form->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(form));
}

SetformRig::~SetformRig() {
    delete form.data();
}

bool SetformRig::Freed() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return form.isNull();
}

QImage SetformRig::Grab(QWidget* widget) const {
    const QPoint at = widget->mapTo(form, QPoint(0, 0));
    return form->screen()
        ->grabWindow(form->winId(), at.x(), at.y(), widget->width(), widget->height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}
