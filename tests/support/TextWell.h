#pragma once

#include <string>
#include <vector>

class Engine;

// Wells as pictures: one character per cell, one line per row; '.' is empty,
// '1' to '7' a block of that code. Indentation and blank lines around a
// picture are ignored, so raw string literals can be indented in tests.

std::vector<std::string> ParseRows(const std::string& picture);
std::string JoinRows(const std::vector<std::string>& rows);
// The canonical form of a picture, to compare with a screen.
std::string Picture(const std::string& picture);
char CellChar(int code);

// Writes the rows of `picture` into the bottom rows of the engine's well (its
// width must match the well's).
void PlaceRows(Engine& engine, const std::string& picture);
// The bottom `rows` rows of the engine's grid as a picture.
std::string GridRows(const Engine& engine, int rows);
