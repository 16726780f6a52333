#pragma once

#include <QString>

// A piece kind 1 to 7 in words, by the letter its shape resembles, as a screen
// reader names the preview's piece and the ratio page's fields; empty text for
// any other number.
QString PieceKindInWords(int kind);
