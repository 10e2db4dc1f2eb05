#pragma once

#include <string>

#include <SFML/Audio/Sound.hpp>
#include <SFML/Audio/SoundBuffer.hpp>

namespace vl {

/// One sound effect: its decoded samples and a sound bound to them. Entries
/// live in place in the ResourceManager's table and are never copied.
class Sound {
  public:
    Sound() = default;
    ~Sound();
    Sound(const Sound&) = delete;
    Sound& operator=(const Sound&) = delete;

    /// Decodes the file and binds the sound to it; false when it cannot be read.
    bool loadFromFile(const std::string& file_name);
    /// Plays the sound from its start, over and over when loop is true; a sound already playing
    /// starts again.
    void play(bool loop);
    /// Whether the sound is playing now.
    bool isPlaying() const { return sound.getStatus() == sf::SoundSource::Playing; }

    /// The label the sound is found by.
    std::string getLabel() const { return label; }
    /// Sets the label getLabel returns.
    void setLabel(std::string new_label) { label = std::move(new_label); }

  private:
    sf::Sound sound;
    sf::SoundBuffer buffer;
    std::string label;
};

}  // namespace vl
