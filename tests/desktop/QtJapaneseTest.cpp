#include "components/QtJapanese.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTranslator>

#include <gtest/gtest.h>

#include <memory>

namespace {

QStringList ButtonTexts(const QFileDialog& dialog) {
    QStringList texts;
    const auto* box = dialog.findChild<QDialogButtonBox*>();
    if (box)
        for (const QAbstractButton* button : box->buttons())
            texts << button->text();
    return texts;
}

QStringList MenuTexts(QLineEdit& field) {
    const std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
    QStringList texts;
    for (const QAction* action : menu->actions())
        if (!action->isSeparator()) texts << action->text().section(QLatin1Char('\t'), 0, 0);
    return texts;
}

// The sound chooser's settings, in Qt's own dialog, which is the one the
// translation reaches.
void SetUpLikeTheSoundChooser(QFileDialog& dialog) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter("Waveファイル (*.wav)");
    dialog.setDefaultSuffix("wav");
}

TEST(QtJapanese, AMissingTranslationChangesNothing) {
    QTemporaryDir empty;
    QLineEdit field;
    const QStringList before = MenuTexts(field);
    EXPECT_FALSE(InstallQtJapanese(empty.path()));
    EXPECT_EQ(MenuTexts(field), before);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancel");
}

TEST(QtJapanese, TheSoundChooserAndTheEditMenusReadJapanese) {
    const QString translations = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    ASSERT_TRUE(QFileInfo::exists(translations + "/qtbase_ja.qm"))
        << "Qt's Japanese translation (Debian qt6-translations-l10n) is not installed";
    ASSERT_TRUE(InstallQtJapanese());

    QFileDialog dialog;
    SetUpLikeTheSoundChooser(dialog);
    dialog.show();
    const QStringList buttons = ButtonTexts(dialog);
    EXPECT_EQ(buttons.size(), 2) << buttons.join(", ").toStdString();
    EXPECT_TRUE(buttons.contains("開く(&O)") || buttons.contains("開く"))
        << buttons.join(", ").toStdString();
    EXPECT_TRUE(buttons.contains("キャンセル")) << buttons.join(", ").toStdString();
    dialog.close();

    QLineEdit field("text");
    const QStringList menu = MenuTexts(field);
    EXPECT_TRUE(menu.contains("元に戻す(&U)") || menu.contains("元に戻す"))
        << menu.join(", ").toStdString();

    delete QCoreApplication::instance()->findChild<QTranslator*>("QtJapanese");
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancel");
}

} // namespace
