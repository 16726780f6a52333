#include "components/TranslatedTexts.h"

#include <QCoreApplication>

QString TranslatedTexts::Text(const char* source) const {
    return QCoreApplication::translate(context_, source);
}

void TranslatedTexts::Bind(const char* source, Show show) {
    show(Text(source));
    texts_.emplace_back(source, std::move(show));
}

void TranslatedTexts::Retranslate() const {
    for (const auto& [source, show] : texts_)
        show(Text(source));
}
