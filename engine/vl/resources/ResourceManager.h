#pragma once

#include <array>
#include <memory>
#include <string>

#include "vl/core/Manager.h"
#include "vl/resources/Music.h"
#include "vl/resources/ProblemList.h"
#include "vl/resources/Sound.h"
#include "vl/resources/Sprite.h"

namespace vl {

constexpr int kMaxSprites = 1000;
constexpr int kMaxSounds = 100;
constexpr int kMaxMusic = 50;

/// The registry of sprites, sound effects and music, found by label (exact,
/// case-sensitive; the first entry loaded under a label wins). Nothing is
/// unloaded before the program ends, so the pointers it hands out stay valid.
class ResourceManager : public Manager {
  public:
    /// The one resource manager, built on first use.
    static ResourceManager& getInstance();
    ~ResourceManager() override;

    /// Reads a sprite file and registers the sprite under label. -1 when the
    /// file has no usable header or the sprite table is full.
    int loadSprite(std::string file_name, std::string label);
    /// The first sprite loaded under label, or null. It lives until the program ends.
    const Sprite* getSprite(const std::string& label) const;

    /// -1 when the table is full or the file is not a readable sound.
    int loadSound(std::string file_name, std::string label);
    /// The first sound loaded under label, or null. It lives until the program ends.
    Sound* getSound(const std::string& label);

    /// -1 for an empty label, a full table or a file that cannot be streamed.
    int loadMusic(std::string file_name, std::string label);
    /// The first music loaded under label, or null. It lives until the program ends.
    Music* getMusic(const std::string& label);

    /// Sprites registered so far, at most kMaxSprites.
    int getSpriteCount() const { return sprite_count; }
    /// Sounds loaded so far, at most kMaxSounds.
    int getSoundCount() const { return sound_count; }
    /// Pieces of music loaded so far, at most kMaxMusic.
    int getMusicCount() const { return music_count; }

    /// What was wrong with the file of the latest load of a sprite, sound or
    /// music, whatever the load returned; empty when nothing was. The next
    /// load replaces it.
    const ProblemList& getLoadProblems() const { return load_problems; }

    /// Once the sound device has been found or given up (pollAudioDevice),
    /// starts the music and looping sounds that waited for it; the game loop
    /// calls it every frame. Cheap once that is done.
    void startWaitingAudio();

    /// Adds a sprite made elsewhere to the table; -1 for no sprite, and -1 (the
    /// sprite is freed) when the table is full.
    int registerSprite(std::unique_ptr<Sprite> sprite);

  private:
    ResourceManager() = default;

    std::array<std::unique_ptr<Sprite>, kMaxSprites> sprites;
    int sprite_count = 0;
    // Made as they are loaded: the first one asks for the audio device.
    std::array<std::unique_ptr<Sound>, kMaxSounds> sounds;
    int sound_count = 0;
    std::array<std::unique_ptr<Music>, kMaxMusic> music_entries;
    int music_count = 0;
    ProblemList load_problems;
    bool audio_settled = false;
};

/// Plays the sound or music registered under label, if any: a missing asset is
/// skipped silently.
void playSound(const std::string& label);
void playMusic(const std::string& label, bool loop);
void stopMusic(const std::string& label);

}  // namespace vl
