#include "assets.h"

#include <vl/vl.h>

namespace {

const char* const kSprites[] = {"head", "segment", "food", "gameover"};
const char* const kSounds[] = {"chomp", "crash"};

}  // namespace

int loadAssets(const std::string& folder) {
    vl::ResourceManager& resources = vl::ResourceManager::getInstance();
    int result = 0;
    for (const char* sprite : kSprites) {
        const std::string file = folder + "/sprites/" + sprite + "-spr.txt";
        result |= resources.loadSprite(file, sprite);
    }
    for (const char* sound : kSounds) {
        const std::string file = folder + "/sounds/" + sound + ".wav";
        result |= resources.loadSound(file, sound);
    }
    return result == 0 ? 0 : -1;
}
