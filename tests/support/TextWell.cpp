#include "support/TextWell.h"

#include <stdexcept>

#include "engine/Engine.h"

std::vector<std::string> ParseRows(const std::string& picture) {
    std::vector<std::string> rows;
    size_t start = 0;
    while (start <= picture.size()) {
        size_t end = picture.find('\n', start);
        if (end == std::string::npos) end = picture.size();
        std::string line = picture.substr(start, end - start);
        const size_t first = line.find_first_not_of(" \t");
        if (first != std::string::npos) {
            line = line.substr(first, line.find_last_not_of(" \t") - first + 1);
            rows.push_back(line);
        }
        start = end + 1;
    }
    return rows;
}

std::string JoinRows(const std::vector<std::string>& rows) {
    std::string text = "\n";
    for (const std::string& row : rows)
        text += row + "\n";
    return text;
}

std::string Picture(const std::string& picture) {
    return JoinRows(ParseRows(picture));
}

char CellChar(int code) {
    if (code == 0) return '.';
    if (code >= 1 && code <= 9) return static_cast<char>('0' + code);
    if (code == 255) return '#';
    return '?';
}

void PlaceRows(Engine& engine, const std::string& picture) {
    const std::vector<std::string> rows = ParseRows(picture);
    const Well& well = engine.TheWell;
    const int top = well.Height() - static_cast<int>(rows.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        if (static_cast<int>(rows[i].size()) != well.Width()) {
            throw std::invalid_argument("row width differs from the well's: " + rows[i]);
        }
        for (int x = 0; x < well.Width(); ++x) {
            const char c = rows[i][static_cast<size_t>(x)];
            engine.TheWell.SetCell(x, top + static_cast<int>(i), c == '.' ? 0 : c - '0');
        }
    }
}

std::string GridRows(const Engine& engine, int rows) {
    std::vector<std::string> lines;
    const Well& well = engine.TheWell;
    for (int y = well.Height() - rows; y < well.Height(); ++y) {
        std::string line;
        for (int x = 0; x < well.Width(); ++x)
            line += CellChar(well.GetCell(x, y));
        lines.push_back(line);
    }
    return JoinRows(lines);
}
