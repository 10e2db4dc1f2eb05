#include "vl/resources/Music.h"

#include <SFML/Audio/InputSoundFile.hpp>

#include "vl/resources/findAudioDevice.h"

namespace vl {

bool Music::openFromFile(const std::string& file_name) {
    sf::InputSoundFile stream;
    if (!stream.openFromFile(file_name)) {
        return false;
    }
    music.reset();
    file = file_name;
    return true;
}

void Music::play(bool loop) {
    const AudioOutput output = pollAudioDevice();
    waiting = output == AudioOutput::Asking && !file.empty();
    waiting_loop = loop;
    if (output != AudioOutput::Device || file.empty()) {
        return;
    }
    if (!music) {
        // The audio library opens its device with its first object.
        music = std::make_unique<sf::Music>();
        if (!music->openFromFile(file)) {
            music.reset();
            file.clear();
            return;
        }
    }
    music->setLoop(loop);
    music->play();
}

void Music::startWhenHeard() {
    if (waiting && pollAudioDevice() != AudioOutput::Asking) {
        play(waiting_loop);
    }
}

void Music::stop() {
    waiting = false;
    if (music) {
        music->stop();
    }
}

bool Music::isPlaying() const {
    return music && music->getStatus() == sf::SoundSource::Playing;
}

}  // namespace vl
