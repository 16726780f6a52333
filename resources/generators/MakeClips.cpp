// Writes the three built-in clips, BRI1.wav to BRI3.wav, into the folder given.

#include "resources/generators/Clips.h"
#include "resources/generators/SaveFile.h"
#include "resources/generators/Wave.h"

#include <string>

int main(int argc, char** argv) {
    using namespace ResGen;
    std::string folder;
    if (!OutputFolder(argc, argv, folder)) return 2;
    const Clip clips[] = {BlipClip(), RumbleClip(), ClickClip()};
    bool saved = true;
    for (int slot = 1; slot <= 3; ++slot) {
        const Clip& clip = clips[slot - 1];
        saved = SaveFile(folder + "/BRI" + std::to_string(slot) + ".wav",
                         EncodeWaveFile(clip.sampleRate, clip.samples)) &&
                saved;
    }
    return saved ? 0 : 1;
}
