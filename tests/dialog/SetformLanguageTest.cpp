#include "SetformRig.h"

#include "settings/LanguageStore.h"
#include "settings/PageControl.h"
#include "support/LanguageForTest.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

// Every text the dialog shows, each with the control that shows it: the
// title, the page captions, labels, buttons and every item of every list.
QStringList ShownTexts(const TSetform& form) {
    QStringList texts{"title: " + form.windowTitle()};
    for (int i = 0; i < form.PageControl1->PageCount(); ++i)
        texts << "page: " + form.PageControl1->Caption(i);
    for (const QWidget* widget : form.findChildren<QWidget*>()) {
        const QString name = widget->objectName() + ": ";
        if (auto* button = qobject_cast<const QAbstractButton*>(widget))
            texts << name + button->text();
        if (auto* label = qobject_cast<const QLabel*>(widget)) texts << name + label->text();
        if (auto* list = qobject_cast<const QComboBox*>(widget)) {
            texts << name + "shows " + list->currentText();
            for (int i = 0; i < list->count(); ++i)
                texts << name + list->itemText(i);
        }
    }
    return texts;
}

TEST(SetformLanguage, EnglishLeavesNoJapaneseAndJapaneseBringsBackEveryTextExactly) {
    TGameSettings settings;
    settings.KeyActions[3] = 4;
    SetformRig rig(settings);
    const QStringList japanese = ShownTexts(*rig.form);
    {
        LanguageForTest english(Language::English);
        const QStringList shown = ShownTexts(*rig.form);
        for (const QString& text : shown)
            EXPECT_FALSE(HasJapanese(text)) << text.toStdString();
        EXPECT_TRUE(shown.contains("title: Settings"));
        EXPECT_TRUE(shown.contains("ComboBox3: shows Not used"));
        // The tabs are laid out again for the new captions.
        const TPageControl* pages = rig.form->PageControl1;
        for (int i = 0; i < pages->PageCount(); ++i)
            EXPECT_LT(pages->fontMetrics().horizontalAdvance(pages->Caption(i)),
                      pages->TabRect(i).width())
                << i;
    }
    EXPECT_EQ(ShownTexts(*rig.form), japanese);
    EXPECT_EQ(rig.form->ComboBox3->currentIndex(), 4);
}

TEST(SetformLanguage, TheChoiceOutlivesTheDialogsOkAndOnlyEnMeansEnglish) {
    SetformRig rig;
    EXPECT_EQ(LoadLanguage(*rig.store), Language::Japanese); // a store without the key
    ASSERT_TRUE(SaveLanguage(*rig.store, Language::English));
    rig.form->Button3->click();
    ASSERT_TRUE(rig.Freed());
    EXPECT_EQ(LoadLanguage(*rig.store), Language::English);
    EXPECT_NE(rig.StoreEntries().find("Setup/Language=en\n"), std::string::npos);
    EXPECT_EQ(LoadLanguage(SettingsStore(rig.FilePath("Brimal.conf"))), Language::English);

    const std::pair<QString, Language> values[] = {
        {"ja", Language::Japanese},  {"en", Language::English},       {"EN", Language::Japanese},
        {"en ", Language::Japanese}, {"English", Language::Japanese}, {"fr", Language::Japanese},
        {"", Language::Japanese},
    };
    for (const auto& [text, language] : values) {
        rig.store->WriteString("Setup", "Language", text);
        EXPECT_EQ(LoadLanguage(*rig.store), language) << text.toStdString();
    }
}

} // namespace
