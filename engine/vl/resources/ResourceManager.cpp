#include "vl/resources/ResourceManager.h"

#include "vl/resources/SpriteFile.h"
#include "vl/resources/findAudioDevice.h"

namespace vl {

namespace {

// The first entry in use whose label equals label exactly: the first loaded
// under a label wins.
template <typename Entry, std::size_t N>
Entry* firstWithLabel(std::array<std::unique_ptr<Entry>, N>& entries, int count,
                      const std::string& label) {
    for (int i = 0; i < count; ++i) {
        Entry* entry = entries[static_cast<std::size_t>(i)].get();
        if (entry->getLabel() == label) {
            return entry;
        }
    }
    return nullptr;
}

std::string labelInUse(const std::string& label, const char* kind) {
    return "the label \"" + label + "\" is taken: the " + kind + " loaded first under it is found";
}

// Opens a sound or music file into the next free entry of its table and
// registers it under label, noting any problem. `open` opens an entry from a
// file; `plural` names a table's entries and `undecodable` says what a file
// that opens but cannot be read was expected to be.
template <typename Entry, std::size_t N, typename Open>
int loadAudio(std::array<std::unique_ptr<Entry>, N>& entries, int& count,
              const std::string& file_name, std::string label, ProblemList& problems,
              const char* kind, const char* plural, const char* undecodable, Open open) {
    if (count == static_cast<int>(N)) {
        problems.add(0, std::string("the ") + kind + " table is full: " + std::to_string(N) + " " +
                            plural + " are loaded");
        return -1;
    }
    std::unique_ptr<Entry>& slot = entries[static_cast<std::size_t>(count)];
    if (slot == nullptr) {
        // The device is tried while the game goes on: sounds and music wait for it.
        pollAudioDevice();
        slot = std::make_unique<Entry>();
    }
    Entry& entry = *slot;
    if (!open(entry, file_name)) {
        const std::string unreadable = whyUnreadable(file_name);
        problems.add(0, unreadable.empty() ? undecodable : unreadable);
        return -1;
    }
    if (firstWithLabel(entries, count, label) != nullptr) {
        problems.add(0, labelInUse(label, kind));
    }
    entry.setLabel(std::move(label));
    ++count;
    return 0;
}

}  // namespace

void ResourceManager::startWaitingAudio() {
    if (audio_settled || sound_count + music_count == 0) {
        return;
    }
    const AudioOutput output = pollAudioDevice();
    if (output == AudioOutput::Asking) {
        return;
    }
    for (int i = 0; i < sound_count; ++i) {
        sounds[static_cast<std::size_t>(i)]->startWhenHeard();
    }
    for (int i = 0; i < music_count; ++i) {
        music_entries[static_cast<std::size_t>(i)]->startWhenHeard();
    }
    audio_settled = true;
}

ResourceManager& ResourceManager::getInstance() {
    static ResourceManager instance;
    return instance;
}

// Music first, then sounds, each from the last entry to the first: the
// members' reverse declaration order does exactly that.
ResourceManager::~ResourceManager() = default;

int ResourceManager::registerSprite(std::unique_ptr<Sprite> sprite) {
    if (sprite == nullptr || sprite_count == kMaxSprites) {
        return -1;
    }
    sprites[static_cast<size_t>(sprite_count++)] = std::move(sprite);
    return 0;
}

int ResourceManager::loadSprite(std::string file_name, std::string label) {
    load_problems = ProblemList(file_name);
    std::unique_ptr<Sprite> sprite = readSpriteFile(file_name, load_problems);
    if (sprite == nullptr) {
        return -1;
    }
    if (sprite_count == kMaxSprites) {
        load_problems.add(
            0, "the sprite table is full: " + std::to_string(kMaxSprites) + " sprites are loaded");
    } else if (getSprite(label) != nullptr) {
        load_problems.add(0, labelInUse(label, "sprite"));
    }
    sprite->setLabel(std::move(label));
    return registerSprite(std::move(sprite));
}

const Sprite* ResourceManager::getSprite(const std::string& label) const {
    for (int i = 0; i < sprite_count; ++i) {
        const Sprite* sprite = sprites[static_cast<size_t>(i)].get();
        if (sprite->getLabel() == label) {
            return sprite;
        }
    }
    return nullptr;
}

int ResourceManager::loadSound(std::string file_name, std::string label) {
    load_problems = ProblemList(file_name);
    return loadAudio(
        sounds, sound_count, file_name, std::move(label), load_problems, "sound", "sounds",
        "not a sound file that can be decoded (WAV, OGG or FLAC)",
        [](Sound& entry, const std::string& file) { return entry.loadFromFile(file); });
}

Sound* ResourceManager::getSound(const std::string& label) {
    return firstWithLabel(sounds, sound_count, label);
}

int ResourceManager::loadMusic(std::string file_name, std::string label) {
    load_problems = ProblemList(file_name);
    if (label.empty()) {
        load_problems.add(0, "music needs a label");
        return -1;
    }
    return loadAudio(
        music_entries, music_count, file_name, std::move(label), load_problems, "music", "pieces",
        "not a music file that can be streamed (WAV, OGG or FLAC)",
        [](Music& entry, const std::string& file) { return entry.openFromFile(file); });
}

Music* ResourceManager::getMusic(const std::string& label) {
    return firstWithLabel(music_entries, music_count, label);
}

void playSound(const std::string& label) {
    Sound* sound = ResourceManager::getInstance().getSound(label);
    if (sound != nullptr) {
        sound->play(false);
    }
}

void playMusic(const std::string& label, bool loop) {
    Music* music = ResourceManager::getInstance().getMusic(label);
    if (music != nullptr) {
        music->play(loop);
    }
}

void stopMusic(const std::string& label) {
    Music* music = ResourceManager::getInstance().getMusic(label);
    if (music != nullptr) {
        music->stop();
    }
}

}  // namespace vl
