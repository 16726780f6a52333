#include "SetformRig.h"

#include "settings/PageControl.h"
#include "settings/UpDown.h"
#include "support/LanguageForTest.h"

#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Saves a picture under the folder named by BRIMAL_SCREENSHOT_DIR, if any.
void Save(const QImage& shot, const QString& name) {
    const QString folder = qEnvironmentVariable("BRIMAL_SCREENSHOT_DIR");
    if (folder.isEmpty()) return;
    QDir().mkpath(folder);
    EXPECT_TRUE(shot.save(QDir(folder).filePath(name))) << name.toStdString();
}

} // namespace

// Writes what the X server shows of the dialog, one picture per page and two
// of the moving parts, for a person to look at: every text whole, nothing
// clipped or overlapping.
TEST(SetformScreenshots, EveryPageAsTheScreenShowsIt) {
    TGameSettings settings;
    settings.PreFill = true;
    settings.RatioOn = true;
    settings.RowWait = 1000;
    settings.SoundFiles[2] = "/home/player/sounds/a rather long file name.wav";
    SetformRig rig(settings);
    TPageControl* pages = rig.form->PageControl1;
    ASSERT_EQ(pages->PageCount(), 6);
    QScreen* screen = rig.form->screen();
    for (int i = 0; i < pages->PageCount(); ++i) {
        pages->SetActivePageIndex(i);
        QTest::qWait(50);
        const QImage shot = screen->grabWindow(rig.form->winId()).toImage();
        EXPECT_EQ(shot.size(), QSize(381, 294));
        Save(shot, QString("setform-page%1.png").arg(i + 1));
    }

    // The tabs with the focus and the mouse over the second tab.
    pages->SetActivePageIndex(0);
    rig.form->HelpButton->setFocus();
    QTest::keyClick(rig.form->HelpButton, Qt::Key_Tab); // focus cues show after keys
    EXPECT_TRUE(pages->hasFocus());
    QTest::mouseMove(pages, pages->TabRect(1).center());
    QTest::qWait(50);
    Save(screen->grabWindow(rig.form->winId()).toImage(), "setform-tabs-focus-hover.png");

    // The preview of kind 6 after a press on its spin.
    pages->SetActivePageIndex(2);
    QTest::qWait(50);
    const QPoint spin = rig.form->UpDown6->rect().topLeft() + QPoint(8, 3);
    QTest::mousePress(rig.form->UpDown6, Qt::LeftButton, {}, spin);
    QTest::mouseRelease(rig.form->UpDown6, Qt::LeftButton, {}, spin);
    Save(screen->grabWindow(rig.form->winId()).toImage(), "setform-preview.png");

    // An open key list, whose drop-down is a window of its own.
    pages->SetActivePageIndex(4);
    rig.form->ComboBox3->showPopup();
    QTest::qWait(100);
    const QRect frame = rig.form->frameGeometry().adjusted(0, 0, 0, 120);
    Save(screen->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height()).toImage(),
         "setform-key-list-open.png");
    rig.form->ComboBox3->hidePopup();
}

// The six pages in English, built in English, with the lists open on the key
// pages: every English text must fit its control.
TEST(SetformScreenshots, EveryPageInEnglish) {
    LanguageForTest english(Language::English);
    TGameSettings settings;
    settings.PreFill = true;
    settings.RatioOn = true;
    settings.RowWait = 1000;
    SetformRig rig(settings);
    TPageControl* pages = rig.form->PageControl1;
    QScreen* screen = rig.form->screen();
    for (int i = 0; i < pages->PageCount(); ++i) {
        pages->SetActivePageIndex(i);
        QTest::qWait(50);
        Save(screen->grabWindow(rig.form->winId()).toImage(),
             QString("setform-page%1.en.png").arg(i + 1));
    }
    rig.form->ComboBox1->showPopup();
    QTest::qWait(100);
    const QRect frame = rig.form->frameGeometry().adjusted(0, 0, 0, 120);
    Save(screen->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height()).toImage(),
         "setform-key-list-open.en.png");
    rig.form->ComboBox1->hidePopup();
}
