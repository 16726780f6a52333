#include "settings/LanguageStore.h"

#include "settings/SettingsStore.h"

namespace {

const QString Section = QStringLiteral("Setup");
const QString Ident = QStringLiteral("Language");
const QString EnglishCode = QStringLiteral("en");
const QString JapaneseCode = QStringLiteral("ja");

} // namespace

Language LoadLanguage(const SettingsStore& store) {
    return store.ReadString(Section, Ident, JapaneseCode) == EnglishCode ? Language::English
                                                                         : Language::Japanese;
}

bool SaveLanguage(SettingsStore& store, Language language) {
    try {
        store.WriteString(Section, Ident,
                          language == Language::English ? EnglishCode : JapaneseCode);
        store.Sync();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}
