#pragma once

#include <QByteArray>
#include <QIcon>
#include <QImage>
#include <QString>

// The program's embedded files: the cell images, the built-in clips and the
// icon, plus the texts of the string table as Qt strings. Every function
// registers the embedded files itself on first use; a bad index gives a null
// image or an empty array.
namespace Resources {

inline constexpr int CellImageCount = 8;
inline constexpr int SoundClipCount = 3;

// Makes the embedded files visible under ":/brimal/". The loaders below call
// it themselves; calling it again does nothing.
void Init();

// The plain cells, or the blocks with a mark of their own cut into each face
// (REDPT to GRAYPT), which tell the seven apart without their colours.
enum class CellStyle { Plain, Patterned };

// The cell image of a cell code, 0 (the empty cell, BLABL) to 7, in the order
// BLABL, REDBL, BLUEBL, RBLUEBL, PINKBL, GREEBL, YELBL, GRAYBL; 16 x 16. The
// empty cell is the same in both styles.
QImage CellImage(int code, CellStyle style = CellStyle::Plain);
// The same image as the .bmp file that holds it.
QByteArray CellImageFile(int code, CellStyle style = CellStyle::Plain);

// The whole RIFF WAVE image of built-in clip "BRI" + slot, slot 1 to 3.
QByteArray SoundClip(int slot);

// The application icon (MAINICON), one 32 x 32 image. AppIcon needs a
// QGuiApplication to be drawn; IconImage does not.
QIcon AppIcon();
QImage IconImage();
// The icon as the .ico file that holds it.
QByteArray IconFile();

// The string-table text of an id, or an empty text for an unknown id.
QString Text(int id);

} // namespace Resources
