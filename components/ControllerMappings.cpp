#include "components/ControllerMappings.h"

#include "components/SdlLibrary.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <vector>

namespace {

// SDL's own database of every pad it knows is about 600 kB; a file a hundred
// times that size is not a mapping file, and reading it would stall the start.
constexpr qint64 MaxFileSize = 64 << 20;

std::string_view Trimmed(std::string_view text) {
    const auto blank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::vector<std::string_view> Fields(std::string_view line) {
    std::vector<std::string_view> fields;
    for (std::size_t start = 0;;) {
        const std::size_t comma = line.find(',', start);
        fields.push_back(Trimmed(line.substr(start, comma - start)));
        if (comma == std::string_view::npos) return fields;
        start = comma + 1;
    }
}

bool Digits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c)) != 0;
    });
}

bool IsGuid(std::string_view text) {
    // "xinput" stands for every XInput pad on Windows, in SDL's own database.
    if (text == "xinput") return true;
    return text.size() == 32 && std::all_of(text.begin(), text.end(), [](char c) {
               return std::isxdigit(static_cast<unsigned char>(c)) != 0;
           });
}

// An element of the pad: axis "a2" (with "+a2"/"-a2" for a half and "a2~" for
// an inverted one), button "b5", or hat direction "h0.4".
bool IsElement(std::string_view element) {
    if (!element.empty() && (element.front() == '+' || element.front() == '-'))
        element.remove_prefix(1);
    if (element.empty()) return false;
    const char kind = element.front();
    element.remove_prefix(1);
    if (kind == 'a') {
        if (!element.empty() && element.back() == '~') element.remove_suffix(1);
        return Digits(element);
    }
    if (kind == 'b') return Digits(element);
    if (kind == 'h') {
        const std::size_t dot = element.find('.');
        return dot != std::string_view::npos && Digits(element.substr(0, dot)) &&
               Digits(element.substr(dot + 1));
    }
    return false;
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

MappingLineCheck Damaged(std::string reason) {
    return {MappingLineKind::Damaged, std::move(reason)};
}

} // namespace

MappingLineCheck CheckMappingLine(std::string_view line, std::string_view platform) {
    line = Trimmed(line);
    if (line.empty() || line.front() == '#') return {};
    const std::vector<std::string_view> fields = Fields(line);
    if (!IsGuid(fields[0])) return Damaged("the first field is not a pad's GUID");
    if (fields.size() < 3) return Damaged("no name and bindings follow the GUID");
    bool platformNamed = false;
    bool otherPlatform = false;
    int bindings = 0;
    for (std::size_t i = 2; i < fields.size(); ++i) {
        const std::string_view field = fields[i];
        if (field.empty()) continue; // the comma that ends the line
        const std::size_t colon = field.find(':');
        if (colon == 0 || colon == std::string_view::npos)
            return Damaged("\"" + std::string(field) + "\" is not a name and a value");
        const std::string_view key = field.substr(0, colon);
        const std::string_view value = field.substr(colon + 1);
        if (key == "platform") {
            platformNamed = true;
            otherPlatform = !SameIgnoringCase(value, platform);
        } else if (key == "hint" || key == "crc" || key == "sdk>=" || key == "sdk<=") {
            // SDL's conditions on a mapping, which it checks itself.
        } else if (IsElement(value)) {
            ++bindings;
        } else {
            return Damaged("\"" + std::string(field) + "\" binds no axis, button or hat");
        }
    }
    if (platformNamed && otherPlatform) return {MappingLineKind::OtherPlatform, {}};
    if (bindings == 0) return Damaged("the line binds nothing");
    return {MappingLineKind::Mapping, {}};
}

int AddControllerMappingFile(const QString& path) {
    QFile file(path);
    if (!QFileInfo::exists(path)) return 0;
    const QByteArray shownPath = QFile::encodeName(path);
    if (file.size() > MaxFileSize || !file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "Brimal: %s not read: %s\n", shownPath.constData(),
                     file.size() > MaxFileSize ? "too large for a mapping file"
                                               : qPrintable(file.errorString()));
        return 0;
    }
    const char* platform = SdlCalls().SDL_GetPlatform();
    int taken = 0;
    for (int number = 1; !file.atEnd(); ++number) {
        const QByteArray line = file.readLine(MaxFileSize);
        const std::string_view text(line.constData(), static_cast<std::size_t>(line.size()));
        MappingLineCheck check = CheckMappingLine(text, platform);
        if (check.Kind == MappingLineKind::Mapping) {
            const std::string mapping(Trimmed(text));
            if (SdlCalls().SDL_GameControllerAddMapping(mapping.c_str()) >= 0) {
                ++taken;
                continue;
            }
            check = Damaged(SdlCalls().SDL_GetError());
        }
        if (check.Kind == MappingLineKind::Damaged)
            std::fprintf(stderr, "Brimal: %s line %d skipped: %s\n", shownPath.constData(), number,
                         check.Reason.c_str());
    }
    return taken;
}
