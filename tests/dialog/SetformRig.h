#pragma once

#include "engine/GameSettings.h"
#include "settings/SettingsDialog.h"
#include "settings/SettingsStore.h"
#include "support/DescribeSettings.h"
#include "support/DialogCatcher.h"
#include "support/QtPrinters.h"
#include "support/StoreFolder.h"

#include <QImage>
#include <QPointer>
#include <QSize>
#include <QStringList>

#include <functional>
#include <memory>
#include <string>
#include <vector>

// A settings dialog shown over settings of the test's choice, with its own
// store file (written from those settings first) and the beeps recorded.
class SetformRig {
public:
    explicit SetformRig(const TGameSettings& initial = {});
    ~SetformRig();

    TGameSettings settings;
    std::unique_ptr<SettingsStore> store;
    QPointer<TSetform> form;
    // What the dialog asked of the desktop: its beeps, the files opened and
    // the window each was opened for.
    std::vector<BeepKind> beeps;
    QStringList opened;
    std::vector<QWidget*> openedFor;
    // The answer of the dialog's sound-file chooser; none is a cancel.
    std::function<QString(QWidget* owner)> chooseSoundFile;

    QByteArray StoreText() const { return folder_.ReadText(); }
    // The store as "Section/ident=value" lines in file order.
    std::string StoreEntries() const { return folder_.Entries(); }
    QString FilePath(const QString& name) const { return folder_.FilePath(name); }

    template <class Widget> Widget* Find(const char* name) const {
        return form ? form->findChild<Widget*>(name) : nullptr;
    }
    // Lets deferred deletions run; true when the dialog has freed itself.
    bool Freed();
    // What the screen shows of a widget of the dialog right now.
    QImage Grab(QWidget* widget) const;

private:
    StoreFolder folder_;
};
