#pragma once

#include <SDL.h>
#include <SDL_mixer.h>

// The functions of SDL and SDL_mixer that the program calls, each under its
// own name. On Linux the two libraries are opened when SDL's services start,
// after the window's first paint: Debian's SDL_mixer brings some forty other
// libraries along (decoders, sound servers), and loading them all before the
// first picture cost about a third of the program's start. On Windows the
// program links them as usual and the table holds their addresses.
#define BRIMAL_SDL_FUNCTIONS(F)                                                                    \
    F(SDL_SetHint)                                                                                 \
    F(SDL_GetError)                                                                                \
    F(SDL_GetPlatform)                                                                             \
    F(SDL_Init)                                                                                    \
    F(SDL_InitSubSystem)                                                                           \
    F(SDL_QuitSubSystem)                                                                           \
    F(SDL_WasInit)                                                                                 \
    F(SDL_Quit)                                                                                    \
    F(SDL_RWFromConstMem)                                                                          \
    F(SDL_JoystickEventState)                                                                      \
    F(SDL_JoystickUpdate)                                                                          \
    F(SDL_NumJoysticks)                                                                            \
    F(SDL_JoystickOpen)                                                                            \
    F(SDL_JoystickClose)                                                                           \
    F(SDL_JoystickGetAttached)                                                                     \
    F(SDL_JoystickNumAxes)                                                                         \
    F(SDL_JoystickGetAxis)                                                                         \
    F(SDL_JoystickNumButtons)                                                                      \
    F(SDL_JoystickGetButton)                                                                       \
    F(SDL_JoystickNumHats)                                                                         \
    F(SDL_JoystickGetHat)                                                                          \
    F(SDL_IsGameController)                                                                        \
    F(SDL_GameControllerEventState)                                                                \
    F(SDL_GameControllerAddMapping)                                                                \
    F(SDL_GameControllerOpen)                                                                      \
    F(SDL_GameControllerClose)                                                                     \
    F(SDL_GameControllerGetJoystick)                                                               \
    F(SDL_GameControllerGetAttached)                                                               \
    F(SDL_GameControllerGetAxis)                                                                   \
    F(SDL_GameControllerGetButton)
#define BRIMAL_MIXER_FUNCTIONS(F)                                                                  \
    F(Mix_OpenAudio)                                                                               \
    F(Mix_QuerySpec)                                                                               \
    F(Mix_AllocateChannels)                                                                        \
    F(Mix_CloseAudio)                                                                              \
    F(Mix_LoadWAV_RW)                                                                              \
    F(Mix_FreeChunk)                                                                               \
    F(Mix_PlayChannel)                                                                             \
    F(Mix_HaltChannel)                                                                             \
    F(Mix_Playing)

struct SdlLibrary {
#define BRIMAL_SDL_POINTER(name) decltype(&::name) name = nullptr;
    BRIMAL_SDL_FUNCTIONS(BRIMAL_SDL_POINTER)
    BRIMAL_MIXER_FUNCTIONS(BRIMAL_SDL_POINTER)
#undef BRIMAL_SDL_POINTER
};

// Opens the libraries on the first call and keeps them for the whole run; null
// when either library or one of its functions is missing (the reason goes to
// standard error once). SDL's services then do not start: the program plays
// on without sound and joystick, as on a machine that has neither.
//
// Threads: first call on the UI thread, before any other thread calls SdlCalls.
const SdlLibrary* LoadSdlLibrary();

// The table that LoadSdlLibrary returned; call it only once that was not null,
// which every caller knows from its SdlSession having started the service it
// uses.
const SdlLibrary& SdlCalls();
