#include "components/SdlSession.h"
#include "components/SdlLibrary.h"

SdlSession::SdlSession(SdlServices services, SdlStart when) : services_(services) {
    if (when == SdlStart::Now) Start();
}

void SdlSession::Start() {
    if (started_) return;
    started_ = true;
    if (!LoadSdlLibrary()) return;
    // Without this SDL installs its own handlers and swallows Ctrl+C and SIGTERM.
    SdlCalls().SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SdlCalls().SDL_Init(0) != 0) return;
    // The game-controller service brings the joystick service with it, and
    // with it SDL's database of pads, any mappings in SDL_GAMECONTROLLERCONFIG
    // (or in the file SDL_GAMECONTROLLERCONFIG_FILE names) among them.
    joystick_ = services_.Joystick && SdlCalls().SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
    audio_ = SdlCalls().SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
}

SdlSession::~SdlSession() {
    if (!started_) return;
    if (audio_) SdlCalls().SDL_QuitSubSystem(SDL_INIT_AUDIO);
    if (joystick_) SdlCalls().SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    // Subsystems are counted: shut SDL down only when no one else still uses it.
    if (SdlCalls().SDL_WasInit(SDL_INIT_EVERYTHING) == 0) SdlCalls().SDL_Quit();
}
