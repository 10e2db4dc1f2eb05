#pragma once

#include <memory>
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

    /// Checks that the file can be streamed; false when it cannot be opened.
    /// Touches no audio device.
    bool openFromFile(const std::string& file_name);
    /// Starts streaming from the start, over and over when loop is true. While
    /// the device is still being tried (pollAudioDevice), the music waits for
    /// it and starts when it opens. Without a device nothing is heard.
    void play(bool loop);
    /// Starts a play that waited for the device, once it plays.
    void startWhenHeard();
    /// Stops playing, or waiting to; the next play starts from the beginning.
    void stop();
    /// Whether the music is playing now on a device.
    bool isPlaying() const;

    /// The label the music is found by.
    std::string getLabel() const { return label; }
    /// Sets the label getLabel returns.
    void setLabel(std::string new_label) { label = std::move(new_label); }

  private:
    std::string file;
    std::unique_ptr<sf::Music> music;
    bool waiting = false;
    bool waiting_loop = false;
    std::string label;
};

}  // namespace vl
