#pragma once

#include <string>

#include <SFML/Audio/Music.hpp>

namespace vl {

/// One piece of music, streamed from its file while it plays. Entries live in
/// place in the ResourceManager's table and are never copied.
class Music {
  public:
    Music() = default;
    Music(const Music&) = delete;
    Music& operator=(const Music&) = delete;

    /// Opens the file for streaming; false when it cannot be opened.
    bool openFromFile(const std::string& file_name) { return music.openFromFile(file_name); }
    /// Starts streaming from the start, over and over when loop is true.
    void play(bool loop);
    /// Stops playing; the next play starts from the beginning.
    void stop() { music.stop(); }
    /// Whether the music is playing now.
    bool isPlaying() const { return music.getStatus() == sf::SoundSource::Playing; }

    /// The label the music is found by.
    std::string getLabel() const { return label; }
    /// Sets the label getLabel returns.
    void setLabel(std::string new_label) { label = std::move(new_label); }

  private:
    sf::Music music;
    std::string label;
};

}  // namespace vl
