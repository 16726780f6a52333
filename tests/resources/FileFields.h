#pragma once

#include <QByteArray>
#include <QColor>

#include <cstdint>
#include <iterator>
#include <vector>

// Reads the little-endian fields of the bitmap, icon and wave files. Callers
// check the file's length first; a field beyond the end reads as 0.
inline uint32_t FieldAt(const QByteArray& bytes, qsizetype offset, int size) {
    if (offset < 0 || offset + size > bytes.size()) return 0;
    uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | static_cast<uint8_t>(bytes[offset + i]);
    return value;
}

inline uint32_t U16At(const QByteArray& bytes, qsizetype offset) {
    return FieldAt(bytes, offset, 2);
}
inline uint32_t U32At(const QByteArray& bytes, qsizetype offset) {
    return FieldAt(bytes, offset, 4);
}

// A palette entry as stored: blue, green, red, one reserved byte.
inline QRgb PaletteEntryAt(const QByteArray& bytes, qsizetype offset) {
    return qRgb(static_cast<uint8_t>(bytes[offset + 2]), static_cast<uint8_t>(bytes[offset + 1]),
                static_cast<uint8_t>(bytes[offset]));
}

// The standard 16-colour palette in its usual order.
inline constexpr QRgb StandardPalette[16] = {
    0xFF000000, 0xFF800000, 0xFF008000, 0xFF808000, 0xFF000080, 0xFF800080, 0xFF008080, 0xFFC0C0C0,
    0xFF808080, 0xFFFF0000, 0xFF00FF00, 0xFFFFFF00, 0xFF0000FF, 0xFFFF00FF, 0xFF00FFFF, 0xFFFFFFFF,
};

// The 16 palette entries that start at `offset`, to compare with
// StandardPalette.
inline std::vector<QRgb> PaletteAt(const QByteArray& bytes, qsizetype offset) {
    std::vector<QRgb> entries;
    for (int i = 0; i < 16; ++i)
        entries.push_back(PaletteEntryAt(bytes, offset + 4 * i));
    return entries;
}

inline std::vector<QRgb> StandardPaletteEntries() {
    return std::vector<QRgb>(std::begin(StandardPalette), std::end(StandardPalette));
}
