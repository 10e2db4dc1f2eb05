#pragma once

#include <string>

namespace vl {

class Sprite;

/// Which sprite an object shows, the frame it shows next, and how many draws
/// that frame has been on screen. The sprite belongs to the ResourceManager.
struct Animation {
    /// The sprite shown, owned by the ResourceManager; null shows nothing.
    const Sprite* sprite = nullptr;
    /// The label of the sprite shown.
    std::string name;
    /// The frame drawn next.
    int frame_index = 0;
    /// How many times the current frame has been drawn.
    int slowdown_count = 0;
};

}  // namespace vl
