// Writes the game's sound effects and music into a folder, as sounds/ and music/:
//   vl-synth <folder>
// Everything is synthesised from fixed seeds, so each run writes the same files.
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <iostream>
#include <string>

#include "music.h"
#include "saveWav.h"
#include "soundEffects.h"

namespace {

// The music sits this far below the quietest effect, so shots and groans
// always cut through it.
constexpr float kMusicBelowEffectsDb = 10.0f;

bool makeFolder(const std::filesystem::path& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    return !error;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: vl-synth <folder>\n";
        return 2;
    }
    const std::filesystem::path folder(argv[1]);
    const std::filesystem::path sounds = folder / "sounds";
    const std::filesystem::path music_folder = folder / "music";
    if (!makeFolder(sounds) || !makeFolder(music_folder)) {
        std::cerr << "vl-synth: cannot make the sound folders in " << folder << "\n";
        return 1;
    }

    const synth::Track gunshot = synth::makeGunshot();
    const synth::Track pew = synth::makePew();
    const synth::Track zombie = synth::makeZombieGroan();
    synth::Track music = synth::makeMusic();

    const float quietest_effect = std::min({gunshot.rms(), pew.rms(), zombie.rms()});
    const float music_level = quietest_effect * std::pow(10.0f, -kMusicBelowEffectsDb / 20.0f);
    music.scale(music_level / music.rms());

    const bool written = synth::saveWav(gunshot, (sounds / "gunshot.wav").string()) &&
                         synth::saveWav(pew, (sounds / "pew.wav").string()) &&
                         synth::saveWav(zombie, (sounds / "zombie.wav").string()) &&
                         synth::saveWav(music, (music_folder / "music.wav").string());
    if (!written) {
        std::cerr << "vl-synth: cannot write the sound files in " << folder << "\n";
        return 1;
    }
    return 0;
}
