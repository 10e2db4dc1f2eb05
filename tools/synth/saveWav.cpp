#include "saveWav.h"

#include <SFML/Audio/SoundBuffer.hpp>

namespace synth {

bool saveWav(const Track& track, const std::string& path) {
    const std::vector<int16_t> pcm = track.toPcm();
    sf::SoundBuffer buffer;
    return buffer.loadFromSamples(pcm.data(), pcm.size(), 1, kSampleRate) &&
           buffer.saveToFile(path);
}

}  // namespace synth
