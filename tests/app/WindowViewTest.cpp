#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTranslator>
#include <cstdlib>

#include "app/view/BoardWidgets.h"
#include "app/view/CounterPanel.h"
#include "engine/Catalogue.h"
#include "engine/Engine.h"
#include "engine/KeyAction.h"
#include "resources/Resources.h"
#include "settings/SettingsDialog.h"
#include "settings/UpDown.h"
#include "support/FindControl.h"
#include "support/LanguageForTest.h"
#include "support/WindowTest.h"

namespace {

using WindowViewTest = WindowTest;

QImage Shown(QWidget* widget) {
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QRgb MeanColour(const QImage& image, const QRect& area) {
    long long red = 0, green = 0, blue = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            red += qRed(pixel);
            green += qGreen(pixel);
            blue += qBlue(pixel);
        }
    }
    const long long count = static_cast<long long>(area.width()) * area.height();
    return qRgb(int(red / count), int(green / count), int(blue / count));
}

// Whether the next-piece box shows the preview of `shape` (0: the empty
// grid): an 8-pixel black margin around the 4 x 4 grid of the shape's
// pattern, each cell its cell image halved to 8 x 8 (the empty cell black).
::testing::AssertionResult ShowsPreview(const QImage& box, int shape) {
    if (box.size() != QSize(48, 48))
        return ::testing::AssertionFailure() << "box of " << box.width() << "x" << box.height();
    for (int y = 0; y < 48; ++y) {
        for (int x = 0; x < 48; ++x) {
            const bool margin = x < 8 || x >= 40 || y < 8 || y >= 40;
            if (margin && (box.pixel(x, y) & 0xFFFFFF) != 0)
                return ::testing::AssertionFailure() << "margin pixel " << x << "," << y;
        }
    }
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j) {
            const int code = shape ? PreviewPatterns[shape][i][j] : 0;
            const QRgb shown = MeanColour(box, QRect(8 + 8 * j, 8 + 8 * i, 8, 8));
            const QRgb expected =
                code ? MeanColour(Resources::CellImage(code), QRect(0, 0, 16, 16)) : qRgb(0, 0, 0);
            const int off = std::abs(qRed(shown) - qRed(expected)) +
                            std::abs(qGreen(shown) - qGreen(expected)) +
                            std::abs(qBlue(shown) - qBlue(expected));
            if (off > 24)
                return ::testing::AssertionFailure()
                       << "shape " << shape << ", grid cell " << i << "," << j << " (code " << code
                       << ") shows #" << std::hex << (shown & 0xFFFFFF) << " instead of #"
                       << (expected & 0xFFFFFF);
        }
    }
    return ::testing::AssertionSuccess();
}

TEST_F(WindowViewTest, TheNextPieceBoxShowsEachPreviewHalvedAndKeepsTheLastAfterAGameOver) {
    Open();
    window->GameSettings().SoundOn = false;
    PreviewView* box = Find<PreviewView>(*window, "NG");
    EXPECT_TRUE(ShowsPreview(Shown(box), 0));

    StartGame();
    EXPECT_TRUE(ShowsPreview(Shown(box), Read<int>([](Engine& game) { return game.NextShape; })));

    // Every piece shows the one after it; the game-over piece finds no room
    // and draws no preview, so the last one shown stays, repaints included.
    int previewed = 0;
    DialogCatcher catcher;
    for (bool over = false; !over;) {
        window->Session().RunOnEngine([&](Engine& game) {
            previewed = game.NextShape;
            game.DoAction(kaDropAll);
            over = game.IsIdle();
        });
    }
    window->Session().RunOnEngine([](Engine& game) { game.FormPaint(); });
    Sync();
    EXPECT_TRUE(ShowsPreview(Shown(box), previewed));

    window->GameStopClick();
    Sync();
    EXPECT_TRUE(ShowsPreview(Shown(box), 0));
}

TEST(CounterPanel, ANumberLongerThanItsBoxShowsItsLeadingDigits) {
    CounterPanel panel(nullptr);
    auto* score = panel.findChild<QLineEdit*>("Score");
    panel.ShowCounter(Counter::Score, "00120");
    EXPECT_EQ(score->cursorPosition(), 5); // left where it is: no scroll to undo
    panel.ShowCounter(Counter::Score, "123456789012345");
    EXPECT_EQ(score->cursorPosition(), 0);
    EXPECT_EQ(panel.Text(Counter::Score), "123456789012345");
}

TEST_F(WindowViewTest, WithThePreviewOffTheNextPieceBoxStaysBlack) {
    WriteStore("[Game]\nNext=0\nColor=1\n[Sound]\nEnabeled=0\n");
    Open();
    StartGame();
    for (int i = 0; i < 3; ++i) {
        window->Session().RunOnEngine([](Engine& game) { game.DoAction(kaDropAll); });
    }
    Sync();
    EXPECT_TRUE(ShowsPreview(Shown(Find<PreviewView>(*window, "NG")), 0));
}

TEST_F(WindowViewTest, AfterTheSettingsDialogTheShownWindowTakesTheNewSizeAndTheCountersAreZero) {
    Open();
    window->GameSettings().SoundOn = false;
    window->move(40, 30);
    Sync();
    struct Case {
        const char* how;
        bool confirm;
        QSize client;
    };
    // Cancelled first: the stored size is still the default one.
    for (const Case& c : {Case{"cancelled", false, {221, 404}}, Case{"OK", true, {285, 324}}}) {
        SCOPED_TRACE(c.how);
        // A finished game leaves its counters standing until the next reset.
        StartGame();
        DropUntilGameOver();
        {
            DialogCatcher gameOver;
            ASSERT_TRUE(QTest::qWaitFor([&] { return gameOver.Count() == 1; }, 5000));
        }
        ASSERT_NE(Find<QLineEdit>(*window, "Kazu")->text(), "00000");

        const QPoint topLeft = window->pos();
        DialogCatcher dialog([&](QDialog& shown) {
            auto* form = qobject_cast<TSetform*>(&shown);
            ASSERT_NE(form, nullptr);
            if (!c.confirm) return form->Button4->click();
            form->XUpDown->SetPosition(12);
            form->YUpDown->SetPosition(20);
            form->Button3->click();
        });
        window->MemuSetupClick(Find<QAction>(*window, "MemuSetup"));
        ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.Count() == 1; }, 5000));
        Sync();

        EXPECT_EQ(window->centralWidget()->size(), c.client);
        EXPECT_EQ(window->pos(), topLeft);
        EXPECT_EQ(Find<QLineEdit>(*window, "Score")->text(), "00000");
        EXPECT_EQ(Find<QLineEdit>(*window, "Kazu")->text(), "00000");
        EXPECT_EQ(Find<QLineEdit>(*window, "Line4")->text(), "00");
    }
}

// Caption and shortcut of every menu item, menu by menu; "-" a separator.
QStringList MenuTexts(QMainWindow& window, QList<QAction*>* items = nullptr) {
    QStringList shown;
    for (QAction* menu : window.menuBar()->actions()) {
        shown << menu->text();
        if (items) *items << menu;
        for (QAction* item : menu->menu()->actions()) {
            shown << (item->isSeparator() ? "-"
                                          : item->text() + "\t" + item->shortcut().toString());
            if (items) *items << item;
        }
    }
    return shown;
}

TEST_F(WindowViewTest, TheMenusHoldTheirItemsInOrderWithSingleKeysAndNoneIsEverDisabled) {
    Open();
    const QStringList expected = {
        "ゲーム(&G)",
        "開始(&G)\tG",
        "中止(&S)\tS",
        "一時停止(&P)\tP",
        "-",
        "終了(&X)\t",
        "設定等(&S)",
        "設定(&S)...\t",
        "ハイスコア(&R)...\t",
        "模様付きブロック(&B)\t",
        "-",
        "ヘルプ(&H)\tF1",
        "バージョン情報(&A)...\t",
        "言語 (Language)(&L)\t",
    };
    QList<QAction*> items;
    EXPECT_EQ(MenuTexts(*window, &items), expected);

    // Each handler decides by the state; the menus never do.
    const auto allEnabled = [&] {
        return std::all_of(items.begin(), items.end(),
                           [](QAction* item) { return item->isEnabled() && item->isVisible(); });
    };
    EXPECT_TRUE(allEnabled());
    StartGame();
    EXPECT_TRUE(allEnabled());
    PauseGame();
    EXPECT_TRUE(allEnabled());
}

// Every text the main window shows: its menus, the language submenu and the
// counters' labels.
QStringList WindowTexts(QMainWindow& window) {
    QStringList texts = MenuTexts(window);
    for (QAction* item : Find<QMenu>(window, "MenuLanguage")->actions())
        texts << item->text();
    for (const QLabel* label : window.findChildren<QLabel*>())
        texts << label->objectName() + ": " + label->text();
    return texts;
}

TEST_F(WindowViewTest, EnglishFromTheMenuRetranslatesTheWindowAndJapaneseBringsBackItsTexts) {
    Open();
    const QStringList japanese = WindowTexts(*window);
    EXPECT_TRUE(japanese.contains("Label2: 得点"));
    EXPECT_TRUE(Find<QAction>(*window, "LanguageJapanese")->isChecked());

    Find<QAction>(*window, "LanguageEnglish")->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    const QStringList english = WindowTexts(*window);
    for (QString text : english) {
        // Each language is named in its own script as well.
        text.remove("言語").remove("日本語");
        EXPECT_FALSE(HasJapanese(text)) << text.toStdString();
    }
    EXPECT_TRUE(english.contains("Language (言語)(&L)\t"));
    EXPECT_TRUE(english.contains("&Start\tG"));
    EXPECT_TRUE(english.contains("Label2: Score"));
    EXPECT_TRUE(Find<QAction>(*window, "LanguageEnglish")->isChecked());
    EXPECT_EQ(StoredValue("Setup/Language"), "en");
    // F1 opens the English help file, which the build puts beside the Japanese one.
    window->MemuSetupClick(Find<QAction>(*window, "MenuHelp"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !opened.empty(); }, 5000));
    EXPECT_TRUE(opened.back().endsWith("/Brimal.en.txt")) << opened.back().toStdString();
    // A longer label widens about its place and stays in the panel.
    for (const char* name : {"Label1", "Label2", "Label3"}) {
        const auto* label = Find<QLabel>(*window, name);
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width()) << name;
        EXPECT_TRUE(label->parentWidget()->rect().contains(label->geometry())) << name;
    }

    Find<QAction>(*window, "LanguageJapanese")->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    EXPECT_EQ(WindowTexts(*window), japanese);
    EXPECT_EQ(Find<QLabel>(*window, "Label2")->geometry(), QRect(18, 8, 34, 17));
    EXPECT_EQ(StoredValue("Setup/Language"), "ja");
    // Qt's own Japanese texts are back, as at start-up; the test's
    // application had none.
    delete QCoreApplication::instance()->findChild<QTranslator*>("QtJapanese");
}

} // namespace
