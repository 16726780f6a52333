// Writes the application icon at every size of the desktop's icon theme, as
// OUTPUT-FOLDER/<N>x<N>/apps/NAME.png, drawn from the same picture as the
// program's own icon.

#include "resources/generators/IconPicture.h"
#include "resources/generators/Palette.h"
#include "resources/generators/ThemeIcon.h"

#include <QDir>
#include <QImage>

#include <iostream>

int main(int argc, char** argv) {
    using namespace ResGen;
    if (argc != 3) {
        std::cerr << "usage: " << argv[0] << " OUTPUT-FOLDER NAME\n";
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    const IndexedPicture picture = IconPicture();
    for (const int size : ThemeIconSizes) {
        const RgbPicture icon = ThemeIcon(picture, StandardPalette(), size);
        QImage image(size, size, QImage::Format_RGB32);
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                const Rgb& pixel = icon.At(x, y);
                image.setPixel(x, y, qRgb(pixel.r, pixel.g, pixel.b));
            }
        const QString apps = QStringLiteral("%1/%2x%2/apps").arg(folder).arg(size);
        const QString path = apps + QLatin1Char('/') + name + QStringLiteral(".png");
        if (!QDir().mkpath(apps) || !image.save(path, "PNG")) {
            std::cerr << "cannot write " << path.toStdString() << '\n';
            return 1;
        }
    }
    return 0;
}
