#include "components/UseLanguage.h"

#include "components/QtJapanese.h"

#include <QCoreApplication>
#include <QTranslator>

namespace {

const QString EnglishCatalogueName = QStringLiteral("BrimalEnglish");

Language& Current() {
    static Language language = Language::Japanese;
    return language;
}

QTranslator* Installed(const QString& name) {
    return QCoreApplication::instance()->findChild<QTranslator*>(name, Qt::FindDirectChildrenOnly);
}

bool InstallEnglish() {
    if (Installed(EnglishCatalogueName)) return true;
    auto* translator = new QTranslator(QCoreApplication::instance());
    translator->setObjectName(EnglishCatalogueName);
    if (!translator->load(QStringLiteral(":/i18n/brimal_en.qm")) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

} // namespace

bool UseLanguage(Language language, const QString& qtFolder) {
    if (language == Language::English) {
        if (!InstallEnglish()) return false;
        // A translator removes itself from the application when deleted.
        delete Installed(QStringLiteral("QtJapanese"));
    } else {
        delete Installed(EnglishCatalogueName);
        if (!Installed(QStringLiteral("QtJapanese"))) InstallQtJapanese(qtFolder);
    }
    Current() = language;
    return true;
}

Language CurrentLanguage() {
    return Current();
}
