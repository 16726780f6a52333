#include "resources/Resources.h"

#include "resources/StringTable.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>

// The linker keeps rcc's output in a static library only if something refers
// to it, so the files are registered by an explicit call. Q_INIT_RESOURCE
// declares the registration function, named after the resource file, and so
// must stand outside any namespace.
static void RegisterEmbeddedFiles() {
    Q_INIT_RESOURCE(brimal);
}

namespace Resources {

namespace {

constexpr const char* CellNames[CellImageCount] = {"BLABL",  "REDBL",  "BLUEBL", "RBLUEBL",
                                                   "PINKBL", "GREEBL", "YELBL",  "GRAYBL"};
constexpr const char* PatternedCellNames[CellImageCount] = {"BLABL",  "REDPT",  "BLUEPT", "RBLUEPT",
                                                            "PINKPT", "GREEPT", "YELPT",  "GRAYPT"};

QByteArray ReadEmbedded(const QString& name) {
    Init();
    QFile file(QStringLiteral(":/brimal/") + name);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

QImage Decode(const QByteArray& bytes, const char* format) {
    if (bytes.isEmpty()) return {};
    return QImage::fromData(bytes, format);
}

} // namespace

void Init() {
    static const bool registered = (RegisterEmbeddedFiles(), true);
    (void)registered;
}

QByteArray CellImageFile(int code, CellStyle style) {
    if (code < 0 || code >= CellImageCount) return {};
    const char* name = style == CellStyle::Patterned ? PatternedCellNames[code] : CellNames[code];
    return ReadEmbedded(QString::fromLatin1(name) + QStringLiteral(".bmp"));
}

QImage CellImage(int code, CellStyle style) {
    return Decode(CellImageFile(code, style), "BMP");
}

QByteArray SoundClip(int slot) {
    if (slot < 1 || slot > SoundClipCount) return {};
    return ReadEmbedded(QStringLiteral("BRI%1.wav").arg(slot));
}

QByteArray IconFile() {
    return ReadEmbedded(QStringLiteral("MAINICON.ico"));
}

QImage IconImage() {
    return Decode(IconFile(), "ICO");
}

QIcon AppIcon() {
    Init();
    return QIcon(QStringLiteral(":/brimal/MAINICON.ico"));
}

QString Text(int id) {
    const QString text = QString::fromUtf8(StringTable::LoadStr(id));
    // The titles' state and the game-over text are the game's own words.
    if (id == StringTable::IdleTitle || id == StringTable::GameOverText) return text;
    // Line by line: a line that the catalogue does not hold (the program's
    // name and version) stays as it is.
    QStringList lines = text.split(QStringLiteral("\r\n"));
    for (QString& line : lines) {
        if (!line.isEmpty())
            line = QCoreApplication::translate("StringTable", line.toUtf8().constData());
    }
    return lines.join(QStringLiteral("\r\n"));
}

} // namespace Resources
