#include "components/SdlLibrary.h"

#include <cstdio>
#include <dlfcn.h>
#include <optional>
#include <type_traits>

namespace {

// The names the libraries are installed under: the ones the build would have
// linked, so a test program that links SDL itself shares this very copy.
constexpr const char* SdlName = "libSDL2-2.0.so.0";
constexpr const char* MixerName = "libSDL2_mixer-2.0.so.0";

std::optional<SdlLibrary> Open() {
    void* sdl = dlopen(SdlName, RTLD_NOW | RTLD_LOCAL);
    void* mixer = sdl ? dlopen(MixerName, RTLD_NOW | RTLD_LOCAL) : nullptr;
    if (!mixer) {
        std::fprintf(stderr, "Brimal: no sound and no joystick: %s\n", dlerror());
        return std::nullopt;
    }
    SdlLibrary library;
    bool complete = true;
    const auto find = [&](void* from, const char* name, auto& pointer) {
        pointer = reinterpret_cast<std::remove_reference_t<decltype(pointer)>>(dlsym(from, name));
        if (!pointer && complete) {
            std::fprintf(stderr, "Brimal: no sound and no joystick: %s lacks %s\n",
                         from == sdl ? SdlName : MixerName, name);
            complete = false;
        }
    };
#define BRIMAL_FIND_IN_SDL(name) find(sdl, #name, library.name);
#define BRIMAL_FIND_IN_MIXER(name) find(mixer, #name, library.name);
    BRIMAL_SDL_FUNCTIONS(BRIMAL_FIND_IN_SDL)
    BRIMAL_MIXER_FUNCTIONS(BRIMAL_FIND_IN_MIXER)
#undef BRIMAL_FIND_IN_SDL
#undef BRIMAL_FIND_IN_MIXER
    // Nothing is closed again, not even an incomplete library: a library
    // once loaded stays for the run.
    if (!complete) return std::nullopt;
    return library;
}

const std::optional<SdlLibrary>& Loaded() {
    static const std::optional<SdlLibrary> library = Open();
    return library;
}

} // namespace

const SdlLibrary* LoadSdlLibrary() {
    return Loaded() ? &*Loaded() : nullptr;
}

const SdlLibrary& SdlCalls() {
    return *Loaded();
}
