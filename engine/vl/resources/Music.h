#pragma once

#include <string>

#include <SFML/Audio/Music.hpp>

namespace vl {

// One piece of music, streamed from its file while it plays. Entries live in
// place in the ResourceManager's table and are never copied.
class Music {
  public:
    Music() = default;
    Music(const Music&) = delete;
    Music& operator=(const Music&) = delete;

    // Opens the file for streaming; false when it cannot be opened.
    bool openFromFile(const std::string& file_name) { return music.openFromFile(file_name); }
    void play(bool loop);
    void stop() { music.stop(); }
    bool isPlaying() const { return music.getStatus() == sf::SoundSource::Playing; }

    std::string getLabel() const { return label; }
    void setLabel(std::string new_label) { label = std::move(new_label); }

  private:
    sf::Music music;
    std::string label;
};

}  // namespace vl
