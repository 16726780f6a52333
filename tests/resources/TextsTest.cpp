#include "resources/Resources.h"
#include "resources/StringTable.h"
#include "resources/Version.h"

#include <gtest/gtest.h>

// The texts are written here as the user sees them. "\u3000" is the
// ideographic space, which would otherwise look like a plain blank.
TEST(Texts, TableTextsReadBackExactly) {
    struct Entry {
        int id;
        const char* text;
    };
    const Entry entries[] = {
        {1, "timeSetEvent関数の戻り値が０です。タイマ・イベントＩＤを取得できません"},
        {2, "Intervalの値がタイマ・デバイスの能力を超えています\u3000（%d ～ %d）"},
        {3, "Resolutionの値がタイマ・デバイスの能力を超えています\u3000（%d ～ %d）"},
        {4, "Resolutionの値がIntervalの値を超えています\u3000（%d）"},
        {65336, "Brimal  "},
        {65337, "            Brimal Ver 1.2.4\r\n"
                "\r\n"
                "      Programmed by Kelvox\r\n"
                "\r\n"
                "  ご意見、ご感想をお聞かせください。"},
        {65338, "   GameOver!"},
    };
    for (const Entry& entry : entries) {
        SCOPED_TRACE(entry.id);
        EXPECT_EQ(Resources::Text(entry.id), QString::fromUtf8(entry.text));
    }
    // The brackets and the tilde are the full-width forms.
    EXPECT_TRUE(Resources::Text(2).contains(QChar(0xFF08)));
    EXPECT_TRUE(Resources::Text(2).contains(QChar(0xFF5E)));
    EXPECT_TRUE(Resources::Text(2).contains(QChar(0xFF09)));
}

TEST(Texts, UnknownIdsGiveEmptyText) {
    for (int id : {0, 5, 65335, 65339, -1})
        EXPECT_TRUE(Resources::Text(id).isEmpty()) << id;
}

// Resources in a static library stay hidden until registered; the loaders
// must do that themselves, as this test does not.
TEST(Texts, EmbeddedFilesLoadWithoutAnExplicitInit) {
    EXPECT_FALSE(Resources::SoundClip(3).isEmpty());
    EXPECT_FALSE(Resources::CellImage(1).isNull());
}

// The about text names the version that the build gives the program.
TEST(Texts, VersionHeaderCarriesTheProgramVersion) {
    EXPECT_STREQ(BRIMAL_VERSION, "1.2.4.0");
    EXPECT_TRUE(Resources::Text(StringTable::AboutText).contains("Ver 1.2.4"));
}
