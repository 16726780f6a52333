#include "components/QtJapanese.h"

#include <QCoreApplication>
#include <QTranslator>

bool InstallQtJapanese(const QString& folder) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    translator->setObjectName(QStringLiteral("QtJapanese"));
    if (!translator->load(QStringLiteral("qtbase_ja"), folder) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}
