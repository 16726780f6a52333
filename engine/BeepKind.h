#pragma once

// The desktop's message sounds, by the numbers the platform's message-beep
// call takes for them: the default sound, the warning and the information
// sound. The engine asks for them through its host, the windows through the
// desktop services; the sound player sounds Windows' own message sound, and on
// Linux a sound of its own for each (the desktop bell is silent there).
enum class BeepKind { Default = 0, Exclamation = 48, Information = 64 };
