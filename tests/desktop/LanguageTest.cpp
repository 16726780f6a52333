#include "components/UseLanguage.h"
#include "resources/Resources.h"
#include "resources/StringTable.h"
#include "support/LanguageForTest.h"

#include <QCoreApplication>
#include <QTranslator>

#include <gtest/gtest.h>

namespace {

bool Installed(const char* name) {
    return QCoreApplication::instance()->findChild<QTranslator*>(name) != nullptr;
}

TEST(Language, JapaneseLoadsNoCatalogueOfOursAndEnglishLeavesQtsOwnTexts) {
    LanguageForTest english(Language::English);
    EXPECT_TRUE(Installed("BrimalEnglish"));
    EXPECT_FALSE(Installed("QtJapanese"));
    EXPECT_EQ(CurrentLanguage(), Language::English);
    // Choosing it again changes nothing.
    EXPECT_TRUE(UseLanguage(Language::English));
    EXPECT_EQ(QCoreApplication::instance()->findChildren<QTranslator*>().size(), 1);

    LanguageForTest::Switch(Language::Japanese);
    EXPECT_FALSE(Installed("BrimalEnglish"));
    EXPECT_TRUE(Installed("QtJapanese"));
    EXPECT_EQ(CurrentLanguage(), Language::Japanese);
}

TEST(Language, TheStringTableFollowsExceptForTheTitleAndTheGameOver) {
    const QString japaneseAbout = Resources::Text(StringTable::AboutText);
    LanguageForTest english(Language::English);
    for (int id : {StringTable::TimerSetEventFailed, StringTable::IntervalOutOfRange,
                   StringTable::ResolutionOutOfRange, StringTable::ResolutionAboveInterval,
                   StringTable::AboutText}) {
        EXPECT_FALSE(HasJapanese(Resources::Text(id))) << id;
        EXPECT_FALSE(Resources::Text(id).isEmpty()) << id;
    }
    EXPECT_TRUE(Resources::Text(StringTable::IntervalOutOfRange).contains("(%d to %d)"));
    // The lines that name the program and its version stay.
    const QString about = Resources::Text(StringTable::AboutText);
    EXPECT_EQ(about.section("\r\n", 0, 3), japaneseAbout.section("\r\n", 0, 3));
    EXPECT_EQ(Resources::Text(StringTable::IdleTitle), "Brimal  ");
    EXPECT_EQ(Resources::Text(StringTable::GameOverText), "   GameOver!");
}

} // namespace
