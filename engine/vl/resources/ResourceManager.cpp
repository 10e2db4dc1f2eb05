#include "vl/resources/ResourceManager.h"

#include <fstream>

#include "vl/resources/SpriteFile.h"

namespace vl {

namespace {

// The first entry in use whose label equals label exactly: the first loaded
// under a label wins.
template <typename Entry, std::size_t N>
Entry* firstWithLabel(std::array<Entry, N>& entries, int count, const std::string& label) {
    for (int i = 0; i < count; ++i) {
        Entry& entry = entries[static_cast<std::size_t>(i)];
        if (entry.getLabel() == label) {
            return &entry;
        }
    }
    return nullptr;
}

}  // namespace

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
    std::unique_ptr<Sprite> sprite;
    {
        std::ifstream in(file_name);
        sprite = readSprite(in);
    }
    if (sprite == nullptr) {
        return -1;
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
    if (sound_count == kMaxSounds) {
        return -1;
    }
    Sound& entry = sounds[static_cast<size_t>(sound_count)];
    if (!entry.loadFromFile(file_name)) {
        return -1;
    }
    entry.setLabel(std::move(label));
    ++sound_count;
    return 0;
}

Sound* ResourceManager::getSound(const std::string& label) {
    return firstWithLabel(sounds, sound_count, label);
}

int ResourceManager::loadMusic(std::string file_name, std::string label) {
    if (label.empty() || music_count == kMaxMusic) {
        return -1;
    }
    Music& entry = music_entries[static_cast<size_t>(music_count)];
    if (!entry.openFromFile(file_name)) {
        return -1;
    }
    entry.setLabel(std::move(label));
    ++music_count;
    return 0;
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
