// Writes the embedded cell images and the icon, as the program loads them,
// into the folder given as PNG files: cell0.png to cell7.png, the patterned
// blocks pattern1.png to pattern7.png, and icon.png.

#include "resources/Resources.h"

#include <QDir>
#include <QImage>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT-FOLDER\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    bool saved = true;
    for (int code = 0; code < Resources::CellImageCount; ++code)
        saved = Resources::CellImage(code).save(
                    folder.filePath(QStringLiteral("cell%1.png").arg(code))) &&
                saved;
    for (int code = 1; code < Resources::CellImageCount; ++code)
        saved = Resources::CellImage(code, Resources::CellStyle::Patterned)
                    .save(folder.filePath(QStringLiteral("pattern%1.png").arg(code))) &&
                saved;
    saved = Resources::IconImage().save(folder.filePath(QStringLiteral("icon.png"))) && saved;
    if (!saved) std::fprintf(stderr, "some pictures could not be written\n");
    return saved ? 0 : 1;
}
