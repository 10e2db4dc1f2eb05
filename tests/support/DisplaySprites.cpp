#include "support/DisplaySprites.h"

#include <memory>

const vl::Sprite* registerTestSprite(const std::string& label, int width, int height,
                                     vl::Color color, int slowdown,
                                     const std::vector<std::string>& frames) {
    vl::ResourceManager& resources = vl::ResourceManager::getInstance();
    if (resources.getSprite(label) == nullptr) {
        auto sprite = std::make_unique<vl::Sprite>(static_cast<int>(frames.size()));
        for (const std::string& cells : frames) {
            sprite->insertFrame(vl::Frame(width, height, cells));
        }
        sprite->setLabel(label);
        sprite->setWidth(width);
        sprite->setHeight(height);
        sprite->setColor(color);
        sprite->setSlowdown(slowdown);
        resources.registerSprite(std::move(sprite));
    }
    return resources.getSprite(label);
}
