#pragma once

#include <string>

namespace vl {

class Sprite;

// Which sprite an object shows, the frame it shows next, and how many draws
// that frame has been on screen. The sprite belongs to the ResourceManager.
struct Animation {
    const Sprite* sprite = nullptr;
    std::string name;
    int frame_index = 0;
    int slowdown_count = 0;
};

}  // namespace vl
