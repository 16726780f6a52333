#include "components/PieceKindWords.h"

#include <QCoreApplication>

QString PieceKindInWords(int kind) {
    // The kinds in the catalogue's order: the square, the bar, the two
    // skewed pieces, the two hooks and the T.
    static const char* const letters[] = {"O", "I", "S", "Z", "J", "L", "T"};
    if (kind < 1 || kind > 7) return {};
    return QCoreApplication::translate("PieceKindWords", "%1型")
        .arg(QLatin1String(letters[kind - 1]));
}
