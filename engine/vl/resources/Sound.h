#pragma once

#include <memory>
#include <string>
#include <vector>

#include <SFML/Audio/Sound.hpp>
#include <SFML/Audio/SoundBuffer.hpp>

namespace vl {

/// One sound effect: its decoded samples, and once a sound device plays the
/// audio, a sound bound to them. Entries live in place in the
/// ResourceManager's table and are never copied.
class Sound {
  public:
    Sound() = default;
    ~Sound();
    Sound(const Sound&) = delete;
    Sound& operator=(const Sound&) = delete;

    /// Decodes the file; false when it cannot be read. Touches no audio device.
    bool loadFromFile(const std::string& file_name);
    /// Plays the sound from its start, over and over when loop is true; a sound
    /// already playing starts again. While the device is still being tried
    /// (pollAudioDevice), a looping sound waits for it and starts when it
    /// opens; a single play is dropped. Without a device nothing is heard.
    void play(bool loop);
    /// Starts a looping play that waited for the device, once it plays.
    void startWhenHeard();
    /// Whether the sound is playing now on a device.
    bool isPlaying() const;

    /// The label the sound is found by.
    std::string getLabel() const { return label; }
    /// Sets the label getLabel returns.
    void setLabel(std::string new_label) { label = std::move(new_label); }

  private:
    /// The sound bound to the samples, made on first use; null without a device.
    sf::Sound* heardSound();

    std::vector<sf::Int16> samples;
    unsigned channels = 0;
    unsigned sample_rate = 0;
    std::unique_ptr<sf::SoundBuffer> buffer;
    std::unique_ptr<sf::Sound> sound;
    bool waiting_loop = false;
    std::string label;
};

}  // namespace vl
