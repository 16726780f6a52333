#pragma once

#include <QString>
#include <string>
#include <string_view>

// A line of a mapping file in SDL's format: the pad's GUID, its name, then
// bindings such as "a:b0", "leftx:a0", "dpleft:h0.8" and fields such as
// "platform:Linux", each ended by a comma. Blank lines and lines starting with
// '#' say nothing; a line naming another platform is meant for that one.
enum class MappingLineKind { Nothing, OtherPlatform, Mapping, Damaged };

struct MappingLineCheck {
    MappingLineKind Kind = MappingLineKind::Nothing;
    std::string Reason; // what is wrong with a damaged line
};

// Checks one line (without its line break) against SDL's format for the given
// platform (SDL_GetPlatform's name, compared ignoring case). SDL itself takes
// almost any text with two commas and then ignores what it cannot read, so a
// typing error would otherwise leave the pad silently unmapped.
MappingLineCheck CheckMappingLine(std::string_view line, std::string_view platform);

// Adds the mappings of the file at path to SDL's database, line by line: a
// damaged line is skipped with one line on standard error and the rest are
// taken. A missing file is no error. Returns the number of mappings taken.
// Call it once SDL's game-controller service has started, before pads are
// opened.
int AddControllerMappingFile(const QString& path);
