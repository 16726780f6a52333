#pragma once

#include "components/UseLanguage.h"

#include <QCoreApplication>
#include <QTranslator>

#include <gtest/gtest.h>

// Chooses the program's language for one test, and afterwards brings back
// Japanese and Qt's own texts as they were before the test.
class LanguageForTest {
public:
    explicit LanguageForTest(Language language) : hadQtJapanese_(QtJapanese() != nullptr) {
        Switch(language);
    }
    ~LanguageForTest() {
        Switch(Language::Japanese);
        if (!hadQtJapanese_) delete QtJapanese();
    }
    LanguageForTest(const LanguageForTest&) = delete;
    LanguageForTest& operator=(const LanguageForTest&) = delete;

    // Changes the language and delivers the change to every widget, which Qt
    // posts to them.
    static void Switch(Language language) {
        EXPECT_TRUE(UseLanguage(language));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    }

private:
    static QTranslator* QtJapanese() {
        return QCoreApplication::instance()->findChild<QTranslator*>("QtJapanese",
                                                                     Qt::FindDirectChildrenOnly);
    }
    bool hadQtJapanese_;
};

// Whether a text holds Japanese script: kana, ideographs or full-width forms.
inline bool HasJapanese(const QString& text) {
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if ((u >= 0x3000 && u <= 0x30FF) || (u >= 0x3400 && u <= 0x9FFF) ||
            (u >= 0xFF00 && u <= 0xFFEF))
            return true;
    }
    return false;
}
