#include "SetformRig.h"

#include "components/KePanel.h"
#include "engine/Catalogue.h"
#include "resources/Resources.h"
#include "settings/PageControl.h"
#include "settings/PaintBox.h"
#include "settings/PatternSetting.h"
#include "settings/UpDown.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QExposeEvent>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

TGameSettings RatiosOn(std::array<int, 8> ratios) {
    TGameSettings settings;
    settings.RatioOn = true;
    settings.Ratios = ratios;
    return settings;
}

void Press(TUpDown* spin, bool up, int times = 1) {
    for (int i = 0; i < times; ++i) {
        const QPoint point(spin->width() / 2, up ? 3 : spin->height() - 3);
        QTest::mousePress(spin, Qt::LeftButton, {}, point);
        QTest::mouseRelease(spin, Qt::LeftButton, {}, point);
    }
}

TEST(Setform, OkWithoutChangesWritesEveryValueAgainUnchanged) {
    TGameSettings settings;
    settings.WellWidth = 12;
    settings.RowWait = 350;
    settings.PreFill = true;
    settings.KeyActions[4] = 4;
    settings.SoundOn = false;
    settings.SoundFiles[3] = "/no/such/landing.wav";
    settings.Ratios = {0, 10, 20, 10, 20, 10, 20, 10};
    SetformRig rig(settings);
    const QByteArray before = rig.StoreText();
    const std::string described = Describe(rig.settings);

    rig.form->Button3->click();

    EXPECT_TRUE(rig.Freed());
    EXPECT_EQ(rig.StoreText(), before);
    EXPECT_EQ(Describe(rig.settings), described);
    EXPECT_TRUE(rig.beeps.empty());
}

TEST(Setform, OkWritesAllTwentyEightValuesToAStoreThatHadNone) {
    SetformRig rig;
    QFile::remove(rig.FilePath("Brimal.conf"));
    rig.form->Button3->click();
    EXPECT_EQ(rig.StoreEntries(), "Game/Color=1\nGame/Fall=0\nGame/Level=10\nGame/Next=1\n"
                                  "Key/Key1=2\nKey/Key2=0\nKey/Key3=1\nKey/Key4=3\nKey/Key5=2\n"
                                  "Key/Key6=2\nKey/Key7=2\nKey/Key8=1\nKey/Key9=0\n"
                                  "Ratio/Block1=15\nRatio/Block2=15\nRatio/Block3=14\n"
                                  "Ratio/Block4=14\nRatio/Block5=14\nRatio/Block6=14\n"
                                  "Ratio/Block7=14\nRatio/Enabeled=0\n"
                                  "Setup/SizeX=8\nSetup/SizeY=25\nSetup/WTime=200\n"
                                  "Sound/1-3=Standard\nSound/4=Standard\nSound/Enabeled=1\n"
                                  "Sound/GND=Standard\n");
}

TEST(Setform, OkKeepsThePatternSettingThatItDoesNotShow) {
    SetformRig rig;
    ASSERT_TRUE(SavePatternSetting(*rig.store, true));
    rig.form->Button3->click();
    EXPECT_TRUE(rig.Freed());
    EXPECT_TRUE(LoadPatternSetting(SettingsStore(rig.FilePath("Brimal.conf"))));
}

TEST(Setform, RatiosAddingUpToAHundredAreAccepted) {
    SetformRig rig(RatiosOn({0, 15, 15, 14, 14, 14, 14, 14}));
    Press(rig.form->UpDown1, true, 5);
    Press(rig.form->UpDown2, false, 5);
    EXPECT_EQ(rig.form->Edit1->text(), "20");
    EXPECT_EQ(rig.form->Edit2->text(), "10");
    EXPECT_EQ(rig.form->SumEdit->text(), "100");

    DialogCatcher answerer(DialogCatcher::Answer::Enter);
    rig.form->Button3->click();

    EXPECT_TRUE(answerer.Texts().isEmpty());
    EXPECT_TRUE(rig.Freed());
    EXPECT_EQ(rig.settings.Ratios, (std::array<int, 8>{0, 20, 10, 14, 14, 14, 14, 14}));
    EXPECT_NE(rig.StoreEntries().find("Ratio/Block1=20\nRatio/Block2=10\n"), std::string::npos);
}

TEST(Setform, ATotalOtherThanAHundredIsRefusedOnlyWhileRatiosAreOn) {
    SetformRig rig(RatiosOn({0, 15, 15, 14, 14, 14, 14, 13}));
    EXPECT_EQ(rig.form->SumEdit->text(), "99");
    const QByteArray before = rig.StoreText();

    DialogCatcher answerer(DialogCatcher::Answer::Enter);
    rig.form->Button3->click();

    ASSERT_EQ(answerer.Texts().size(), 1);
    EXPECT_EQ(answerer.Texts()[0], "\n発生割合の合計が100%になるように設定してください。");
    EXPECT_EQ(rig.beeps, std::vector{BeepKind::Exclamation});
    EXPECT_FALSE(rig.Freed());
    EXPECT_TRUE(rig.settings.RatioOn);
    EXPECT_EQ(rig.StoreText(), before);

    QTest::mouseClick(rig.form->KomaCheck, Qt::LeftButton, {}, QPoint(6, 8));
    EXPECT_FALSE(rig.form->KomaCheck->isChecked());
    rig.form->Button3->click();

    EXPECT_EQ(answerer.Texts().size(), 1);
    EXPECT_TRUE(rig.Freed());
    EXPECT_FALSE(rig.settings.RatioOn);
    EXPECT_EQ(rig.settings.Ratios[7], 13);
    EXPECT_NE(rig.StoreEntries().find("Ratio/Block7=13\nRatio/Enabeled=0\n"), std::string::npos);
}

TEST(Setform, CancelEscAndTheCloseBoxLeaveEverythingUntouched) {
    const std::function<void(TSetform*)> ways[] = {
        [](TSetform* form) { form->Button4->click(); },
        [](TSetform* form) { QTest::keyClick(form, Qt::Key_Escape); },
        [](TSetform* form) { form->close(); },
    };
    for (const auto& close : ways) {
        SetformRig rig;
        const QByteArray before = rig.StoreText();
        const std::string described = Describe(rig.settings);
        rig.form->NextCheck->setChecked(false);
        rig.form->ComboBox1->setCurrentIndex(4);
        Press(rig.form->XUpDown, true);
        close(rig.form);
        EXPECT_TRUE(rig.Freed());
        EXPECT_EQ(Describe(rig.settings), described);
        EXPECT_EQ(rig.StoreText(), before);
    }
}

TEST(Setform, TheColourBoxIsTickedAndOutOfReachWhileTheNextPieceIsShown) {
    struct Case {
        bool showNext, fixedColors;
        bool ticked, enabled;
    };
    const Case cases[] = {
        {true, false, true, false},
        {true, true, true, false},
        {false, false, false, true},
        {false, true, true, true},
    };
    for (const Case& c : cases) {
        TGameSettings settings;
        settings.ShowNext = c.showNext;
        settings.FixedColors = c.fixedColors;
        SetformRig rig(settings);
        EXPECT_EQ(rig.form->ColorCheck->isChecked(), c.ticked) << c.showNext << c.fixedColors;
        EXPECT_EQ(rig.form->ColorCheck->isEnabled(), c.enabled) << c.showNext << c.fixedColors;
        rig.form->Button3->click();
        EXPECT_EQ(rig.settings.FixedColors, c.ticked);
        EXPECT_NE(rig.StoreEntries().find(c.ticked ? "Game/Color=1" : "Game/Color=0"),
                  std::string::npos);
    }

    SetformRig rig;
    QCheckBox* next = rig.form->NextCheck;
    QCheckBox* color = rig.form->ColorCheck;
    QTest::mouseClick(next, Qt::LeftButton, {}, QPoint(6, 8));
    EXPECT_TRUE(color->isEnabled());
    EXPECT_TRUE(color->isChecked());
    QTest::mouseClick(color, Qt::LeftButton, {}, QPoint(6, 8));
    EXPECT_FALSE(color->isChecked());
    QTest::mouseClick(next, Qt::LeftButton, {}, QPoint(6, 8));
    EXPECT_FALSE(color->isEnabled());
    EXPECT_TRUE(color->isChecked());
}

TEST(Setform, KeyListsShowTheActionOfEachKeyAndNothingForAnUnknownCode) {
    TGameSettings settings;
    settings.KeyActions = {0, 7, 0, 1, 3, 2, 4, 2, 1, -3};
    SetformRig rig(settings);
    for (int n = 1; n <= 9; ++n) {
        auto* list = rig.Find<QComboBox>(qPrintable("ComboBox" + QString::number(n)));
        ASSERT_NE(list, nullptr);
        QStringList items;
        for (int i = 0; i < list->count(); ++i)
            items << list->itemText(i);
        EXPECT_EQ(items,
                  QStringList({"速く落とす", "一気に落とす", "左回転", "右回転", "使わない"}));
        EXPECT_FALSE(list->isEditable());
        EXPECT_EQ(list->currentIndex(), n == 1 || n == 9 ? -1 : settings.KeyActions[n]) << n;
    }
    rig.form->ComboBox2->setCurrentIndex(3);
    rig.form->Button3->click();
    EXPECT_EQ(rig.settings.KeyActions, (std::array<int, 10>{0, -1, 3, 1, 3, 2, 4, 2, 1, -1}));
    EXPECT_NE(rig.StoreEntries().find("Key/Key1=-1\nKey/Key2=3\n"), std::string::npos);
    EXPECT_NE(rig.StoreEntries().find("Key/Key9=-1\n"), std::string::npos);
}

TEST(Setform, OutOfRangeValuesShowAtTheNearerEndAndAreStoredSo) {
    TGameSettings settings;
    settings.WellWidth = 4;
    settings.WellHeight = 99;
    settings.RowWait = 5000;
    settings.PreFillPieces = 1;
    settings.Ratios[3] = -5;
    settings.Ratios[4] = 250;
    SetformRig rig(settings);
    EXPECT_EQ(rig.form->XEdit->text(), "6");
    EXPECT_EQ(rig.form->YEdit->text(), "50");
    EXPECT_EQ(rig.form->WTime->text(), "1,000");
    EXPECT_EQ(rig.form->SEdit1->text(), "2");
    EXPECT_EQ(rig.form->Edit3->text(), "0");
    EXPECT_EQ(rig.form->Edit4->text(), "100");
    EXPECT_EQ(rig.form->SumEdit->text(), "172");
    rig.form->Button3->click();
    EXPECT_EQ(rig.settings.WellWidth, 6);
    EXPECT_EQ(rig.settings.WellHeight, 50);
    EXPECT_EQ(rig.settings.RowWait, 1000);
    EXPECT_EQ(rig.settings.PreFillPieces, 2);
    EXPECT_EQ(rig.settings.Ratios[3], 0);
    EXPECT_EQ(rig.settings.Ratios[4], 100);
}

TEST(Setform, EachSwitchEnablesItsPanelAndBringsBackEveryControlInIt) {
    struct Case {
        const char* check;
        const char* panel;
        std::vector<const char*> inside;
    };
    const Case cases[] = {
        {"FallCheck", "KePanel6", {"SEdit1", "SUpDown", "Label12"}},
        {"SoundCheck", "KePanel3", {"WName1", "WName2", "WName3", "ButtonStd", "Label13"}},
        {"KomaCheck", "KePanel4", {"BP", "Edit1", "UpDown7", "SumEdit", "Label19"}},
    };
    TGameSettings settings;
    settings.PreFill = true;
    settings.RatioOn = true;
    for (const Case& c : cases) {
        SetformRig rig(settings);
        auto* check = rig.Find<QCheckBox>(c.check);
        auto* panel = rig.Find<TKePanel>(c.panel);
        ASSERT_TRUE(check && panel) << c.check;
        QWidget* first = rig.Find<QWidget>(c.inside[0]);
        first->setEnabled(false);

        check->setChecked(false);
        EXPECT_FALSE(panel->isEnabled()) << c.panel;
        for (const char* name : c.inside)
            EXPECT_FALSE(rig.Find<QWidget>(name)->isEnabled()) << name;

        check->setChecked(true);
        EXPECT_TRUE(panel->isEnabled()) << c.panel;
        for (const char* name : c.inside)
            EXPECT_TRUE(rig.Find<QWidget>(name)->isEnabled()) << name;
    }
}

// The colour code shown in each 8 x 8 cell of the 48 x 48 box (by its middle
// pixel), or -1 for a pixel that is no cell colour; the margin must be black.
struct BoxReading {
    std::array<std::array<int, 4>, 4> cells{};
    bool blackMargin = true;
};

BoxReading Read(const QImage& box) {
    BoxReading reading;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) {
            const QRgb pixel = box.pixel(8 + 8 * j + 4, 8 + 8 * i + 4);
            reading.cells[i][j] = -1;
            for (int code = 0; code <= 7; ++code)
                if (Resources::CellImage(code).pixel(8, 8) == pixel) reading.cells[i][j] = code;
        }
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 48; ++x)
            if ((x < 8 || x >= 40 || y < 8 || y >= 40) && qGray(box.pixel(x, y)) != 0)
                reading.blackMargin = false;
    return reading;
}

TEST(Setform, EnteringARatioFieldOrPressingItsSpinShowsItsKindUntilTheNextRepaint) {
    SetformRig rig(RatiosOn({0, 15, 15, 14, 14, 14, 14, 14}));
    rig.form->PageControl1->SetActivePageIndex(2);
    QCoreApplication::processEvents(); // paints the page
    TPaintBox* box = rig.form->BP;
    EXPECT_EQ(Read(rig.Grab(box)).cells, (std::array<std::array<int, 4>, 4>{}));

    rig.form->Edit5->setFocus(Qt::TabFocusReason);
    BoxReading reading = Read(rig.Grab(box));
    EXPECT_EQ(reading.cells, PreviewPatterns[10]);
    EXPECT_TRUE(reading.blackMargin);

    Press(rig.form->UpDown7, true);
    reading = Read(rig.Grab(box));
    EXPECT_EQ(reading.cells, PreviewPatterns[17]);
    EXPECT_TRUE(reading.blackMargin);
    EXPECT_EQ(rig.form->Edit7->text(), "15");

    // Uncovered, the dialog is put back from its backing store unless the box
    // paints itself anew.
    QExposeEvent uncovered(QRegion(rig.form->rect()));
    QCoreApplication::sendEvent(rig.form->windowHandle(), &uncovered);
    EXPECT_EQ(Read(rig.Grab(box)).cells, (std::array<std::array<int, 4>, 4>{}));
    EXPECT_TRUE(Read(rig.Grab(box)).blackMargin);

    rig.form->Edit1->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(Read(rig.Grab(box)).cells, PreviewPatterns[1]);
    box->repaint();
    EXPECT_EQ(Read(rig.Grab(box)).cells, (std::array<std::array<int, 4>, 4>{}));
    EXPECT_TRUE(Read(rig.Grab(box)).blackMargin);
}

TEST(Setform, ThePreviewDrawsTheBlocksPatternedWhenThePlayerChoseThem) {
    SetformRig rig(RatiosOn({0, 15, 15, 14, 14, 14, 14, 14}));
    rig.form->PageControl1->SetActivePageIndex(2);
    QCoreApplication::processEvents();
    rig.form->Edit5->setFocus(Qt::TabFocusReason);
    const QImage plain = rig.Grab(rig.form->BP);

    ASSERT_TRUE(SavePatternSetting(*rig.store, true));
    rig.form->Edit1->setFocus(Qt::TabFocusReason);
    rig.form->Edit5->setFocus(Qt::TabFocusReason);
    const QImage patterned = rig.Grab(rig.form->BP);
    EXPECT_NE(patterned, plain);
    EXPECT_TRUE(Read(patterned).blackMargin);
}

TEST(Setform, TabVisitsThePageTabsThenThePageRowByRowThenTheButtons) {
    const QStringList buttons{"Button3", "Button4", "HelpButton"};
    const QStringList pages[] = {
        {"NextCheck", "FallCheck", "SEdit1"}, // ColorCheck is out of reach
        {"YEdit", "XEdit", "WTime"},
        {"KomaCheck", "Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6", "Edit7"},
        {"SoundCheck", "ButtonStd"},
        {"ComboBox1", "ComboBox2", "ComboBox3", "ComboBox4", "ComboBox5"},
        {"ComboBox6", "ComboBox7", "ComboBox9", "ComboBox8"},
    };
    TGameSettings settings;
    settings.PreFill = true;
    settings.RatioOn = true;
    SetformRig rig(settings);
    for (int page = 0; page < 6; ++page) {
        rig.form->PageControl1->SetActivePageIndex(page);
        rig.form->PageControl1->setFocus(Qt::TabFocusReason);
        QStringList visited;
        for (int i = 0; i < 20; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            if (QApplication::focusWidget() == rig.form->PageControl1) break;
            visited << QApplication::focusWidget()->objectName();
        }
        EXPECT_EQ(visited, pages[page] + buttons) << page;
    }
}

TEST(Setform, HelpOpensTheHelpFileInTheCurrentFolder) {
    // A help file in the current directory comes before the installed one.
    QTemporaryDir folder;
    ASSERT_TRUE(QFile(folder.filePath("Brimal.txt")).open(QIODevice::WriteOnly));
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder.path()));
    SetformRig rig;
    rig.form->HelpButton->click();
    QDir::setCurrent(previous);
    EXPECT_EQ(rig.opened, QStringList{folder.filePath("Brimal.txt")});
    EXPECT_EQ(rig.openedFor, std::vector<QWidget*>{rig.form.data()});
    EXPECT_FALSE(rig.Freed());
}

} // namespace
