#include "vl/resources/Sound.h"

#include <SFML/Audio/InputSoundFile.hpp>

#include "vl/resources/findAudioDevice.h"

namespace vl {

Sound::~Sound() {
    // The sound goes before the buffer it plays.
    sound.reset();
}

bool Sound::loadFromFile(const std::string& file_name) {
    sf::InputSoundFile file;
    if (!file.openFromFile(file_name) || file.getChannelCount() == 0) {
        return false;
    }
    std::vector<sf::Int16> read(static_cast<std::size_t>(file.getSampleCount()));
    if (file.read(read.data(), read.size()) != read.size()) {
        return false;
    }
    sound.reset();
    buffer.reset();
    samples = std::move(read);
    channels = file.getChannelCount();
    sample_rate = file.getSampleRate();
    return true;
}

sf::Sound* Sound::heardSound() {
    if (pollAudioDevice() != AudioOutput::Device || channels == 0) {
        return nullptr;
    }
    if (!sound) {
        // The audio library opens its device with its first object, so
        // nothing of it is made before the device is known to open.
        buffer = std::make_unique<sf::SoundBuffer>();
        if (!buffer->loadFromSamples(samples.data(), samples.size(), channels, sample_rate)) {
            buffer.reset();
            channels = 0;
            return nullptr;
        }
        samples = std::vector<sf::Int16>();
        sound = std::make_unique<sf::Sound>(*buffer);
    }
    return sound.get();
}

void Sound::play(bool loop) {
    sf::Sound* heard = heardSound();
    waiting_loop = loop && heard == nullptr && pollAudioDevice() == AudioOutput::Asking;
    if (heard != nullptr) {
        heard->setLoop(loop);
        heard->play();
    }
}

void Sound::startWhenHeard() {
    if (waiting_loop && pollAudioDevice() != AudioOutput::Asking) {
        play(true);
    }
}

bool Sound::isPlaying() const {
    return sound && sound->getStatus() == sf::SoundSource::Playing;
}

}  // namespace vl
