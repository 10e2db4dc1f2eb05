#include "vl/resources/Sound.h"

namespace vl {

Sound::~Sound() {
    sound.resetBuffer();
}

bool Sound::loadFromFile(const std::string& file_name) {
    if (!buffer.loadFromFile(file_name)) {
        return false;
    }
    sound = sf::Sound(buffer);
    return true;
}

void Sound::play(bool loop) {
    sound.setLoop(loop);
    sound.play();
}

}  // namespace vl
