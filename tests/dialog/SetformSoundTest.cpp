#include "SetformRig.h"

#include "settings/PageControl.h"
#include "settings/SettingsIO.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

TGameSettings WithSounds(const char* first, const char* second, const char* third) {
    TGameSettings settings;
    settings.SoundFiles = {"", first, second, third};
    return settings;
}

QString MakeFile(const SetformRig& rig, const QString& name) {
    QFile file(rig.FilePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    return file.fileName();
}

void Click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(10, 10));
}

TEST(SetformSound, FieldsShowTheFileNamePartOfEachSound) {
    SetformRig rig(WithSounds("Standard", "C:\\Sounds\\four.wav", "/home/player/land.wav"));
    EXPECT_EQ(rig.form->WName1->text(), "Standard");
    EXPECT_EQ(rig.form->WName2->text(), "four.wav");
    EXPECT_EQ(rig.form->WName3->text(), "land.wav");
}

TEST(SetformSound, FileNamePartIsTheTextAfterTheLastSeparatorOrDriveColon) {
    const std::pair<QString, QString> cases[] = {
        {"Standard", "Standard"}, {"", ""},
        {"/a/b/c.wav", "c.wav"},  {"C:\\x\\y.wav", "y.wav"},
        {"D:z.wav", "z.wav"},     {"/mixed\\seps/n.wav", "n.wav"},
        {"/folder/", ""},         {"plain.wav", "plain.wav"},
    };
    for (const auto& [path, part] : cases)
        EXPECT_EQ(SoundFileNamePart(path), part) << path.toStdString();
}

TEST(SetformSound, AChosenFileGoesToTheClickedSlotAndIsStoredByOk) {
    SetformRig rig;
    const QString landing = MakeFile(rig, "landing.wav");
    int asked = 0;
    rig.chooseSoundFile = [&](QWidget* owner) {
        ++asked;
        EXPECT_EQ(owner, rig.form.data());
        return landing;
    };
    Click(rig.form->WName3);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(rig.form->WName3->text(), "landing.wav");
    EXPECT_EQ(rig.form->WName1->text(), "Standard");
    EXPECT_EQ(rig.settings.SoundFiles[3], "Standard"); // not before OK

    rig.form->Button3->click();
    EXPECT_EQ(rig.settings.SoundFiles[3], landing.toStdString());
    EXPECT_NE(rig.StoreEntries().find("Sound/GND=" + landing.toStdString()), std::string::npos);
}

// The program's own chooser, as the player sees it: its one filter reads by
// its description alone and still lists only WAVE files.
TEST(SetformSound, TheChooserShowsTheFiltersDescriptionAlone) {
    StoreFolder folder;
    SettingsStore store(folder.Path());
    TGameSettings settings;
    SaveSettings(store, settings);
    // No chooser of the test's own: the dialog runs its file dialog.
    QPointer<TSetform> form = new TSetform(nullptr, settings, store, DesktopServices{});
    form->show();
    QStringList shown;
    QStringList filters;
    DialogCatcher catcher([&](QDialog& dialog) {
        auto* chooser = qobject_cast<QFileDialog*>(&dialog);
        ASSERT_NE(chooser, nullptr);
        filters = chooser->nameFilters();
        if (auto* types = chooser->findChild<QComboBox*>("fileTypeCombo"))
            for (int i = 0; i < types->count(); ++i)
                shown << types->itemText(i);
    });
    Click(form->WName1);
    EXPECT_EQ(catcher.Count(), 1);
    EXPECT_EQ(shown, QStringList{"Waveファイル"});
    EXPECT_EQ(filters, QStringList{"Waveファイル (*.wav)"});
    EXPECT_EQ(form->WName1->text(), "Standard");
    delete form.data();
}

TEST(SetformSound, AChosenSoundIsForgottenByCancel) {
    SetformRig rig;
    const QString four = MakeFile(rig, "four.wav");
    rig.chooseSoundFile = [&](QWidget*) { return four; };
    const QByteArray before = rig.StoreText();
    Click(rig.form->WName2);
    EXPECT_EQ(rig.form->WName2->text(), "four.wav");
    rig.form->Button4->click();
    EXPECT_TRUE(rig.Freed());
    EXPECT_EQ(rig.settings.SoundFiles[2], "Standard");
    EXPECT_EQ(rig.StoreText(), before);
}

TEST(SetformSound, AMissingOrCancelledChoiceChangesNothing) {
    SetformRig rig(WithSounds("Standard", "Standard", "Standard"));
    const QString answers[] = {rig.FilePath("gone.wav"), rig.FilePath(""), QString()};
    for (const QString& answer : answers) {
        rig.beeps.clear();
        rig.chooseSoundFile = [&](QWidget*) { return answer; };
        DialogCatcher answerer(DialogCatcher::Answer::Enter);
        Click(rig.form->WName1);
        const bool warned = !answer.isEmpty();
        EXPECT_EQ(answerer.Texts(), warned ? QStringList{"存在しないファイルです"} : QStringList())
            << answer.toStdString();
        EXPECT_EQ(rig.beeps, warned ? std::vector{BeepKind::Exclamation} : std::vector<BeepKind>{});
        EXPECT_EQ(rig.form->WName1->text(), "Standard");
    }
    rig.form->Button3->click();
    EXPECT_EQ(rig.settings.SoundFiles[1], "Standard");
}

TEST(SetformSound, TheStandardButtonResetsAllThreeSlots) {
    SetformRig rig(WithSounds("/s/one.wav", "/s/four.wav", "/s/land.wav"));
    rig.form->PageControl1->setFocus();
    rig.form->ButtonStd->click();
    for (QLineEdit* field : {rig.form->WName1, rig.form->WName2, rig.form->WName3})
        EXPECT_EQ(field->text(), "Standard");
    rig.form->Button3->click();
    EXPECT_EQ(rig.settings.SoundFiles,
              (std::array<std::string, 4>{"", "Standard", "Standard", "Standard"}));
    EXPECT_NE(rig.StoreEntries().find("Sound/1-3=Standard\nSound/4=Standard\nSound/Enabeled=1\n"
                                      "Sound/GND=Standard\n"),
              std::string::npos);
}

TEST(SetformSound, ADisabledSoundPanelKeepsAndStoresItsValues) {
    TGameSettings settings = WithSounds("/s/one.wav", "Standard", "/s/land.wav");
    settings.SoundOn = false;
    SetformRig rig(settings);
    int asked = 0;
    rig.chooseSoundFile = [&](QWidget*) {
        ++asked;
        return QString();
    };
    for (QWidget* control : std::initializer_list<QWidget*>{rig.form->WName1, rig.form->WName2,
                                                            rig.form->WName3, rig.form->ButtonStd})
        EXPECT_FALSE(control->isEnabled()) << control->objectName().toStdString();
    Click(rig.form->WName1);
    EXPECT_EQ(asked, 0);
    rig.form->Button3->click();
    EXPECT_FALSE(rig.settings.SoundOn);
    EXPECT_EQ(rig.settings.SoundFiles[1], "/s/one.wav");
    EXPECT_EQ(rig.settings.SoundFiles[3], "/s/land.wav");
    EXPECT_NE(rig.StoreEntries().find("Sound/1-3=/s/one.wav\nSound/4=Standard\nSound/Enabeled=0\n"
                                      "Sound/GND=/s/land.wav\n"),
              std::string::npos);
}

} // namespace
