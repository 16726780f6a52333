#include "components/SdlLibrary.h"

// Windows finds the two libraries beside the program before it starts, so
// the table only holds the linked functions' addresses.
namespace {

SdlLibrary Linked() {
    SdlLibrary library;
#define BRIMAL_LINKED(name) library.name = &::name;
    BRIMAL_SDL_FUNCTIONS(BRIMAL_LINKED)
    BRIMAL_MIXER_FUNCTIONS(BRIMAL_LINKED)
#undef BRIMAL_LINKED
    return library;
}

const SdlLibrary library = Linked();

} // namespace

const SdlLibrary* LoadSdlLibrary() {
    return &library;
}

const SdlLibrary& SdlCalls() {
    return library;
}
