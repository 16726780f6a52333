#pragma once

#include <QByteArray>
#include <cstdint>
#include <vector>

#include "engine/BeepKind.h"

// A complete RIFF WAVE image of 8-bit unsigned mono samples at the given rate:
// the format of the game's built-in clips, written by the same writer.
QByteArray MonoWave8(const std::vector<std::uint8_t>& samples, int sampleRate);

// The short sound that stands for a message sound of the given kind, as a WAVE
// image; an unknown kind gives the default sound.
QByteArray BeepWave(BeepKind kind);
