#pragma once

#include <QByteArray>
#include <cstdint>
#include <vector>

// The desktop's message sounds, by the numbers the game passes for them: the
// default sound, the warning (48) and the information sound (64). The desktop
// bell is silent on most Linux desktops, so the player synthesises its own.
enum class MessageSound { Default = 0, Exclamation = 48, Information = 64 };

// A complete RIFF WAVE image of 8-bit unsigned mono samples at the given rate:
// the format of the game's built-in clips, written by the same writer.
QByteArray MonoWave8(const std::vector<std::uint8_t>& samples, int sampleRate);

// The short sound that stands for a message sound of the given kind, as a WAVE
// image; an unknown kind gives the default sound.
QByteArray BeepWave(MessageSound kind);
