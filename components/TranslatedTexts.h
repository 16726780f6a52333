#pragma once

#include <QString>

#include <functional>
#include <utility>
#include <vector>

// The texts of a window kept as their Japanese source texts, each with the way
// it is shown, so that a change of language shows them all again in the new
// language. The sources mark each text with QT_TR_NOOP or QT_TRANSLATE_NOOP
// in the same context, for lupdate to find.
class TranslatedTexts {
public:
    using Show = std::function<void(const QString&)>;

    explicit TranslatedTexts(const char* context) : context_(context) {}

    // The text's translation in the language in use.
    QString Text(const char* source) const;
    // Shows the text now and again at every Retranslate.
    void Bind(const char* source, Show show);
    // Shows every bound text in the language now in use, in binding order.
    void Retranslate() const;

private:
    const char* context_;
    std::vector<std::pair<const char*, Show>> texts_;
};
