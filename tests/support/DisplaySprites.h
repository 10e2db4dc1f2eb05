#pragma once

#include <string>
#include <vector>

#include <vl/vl.h>

// Registers a sprite made in code: every frame is a text of width x height
// characters, rows one after another. A label already registered keeps the
// sprite it has. Returns the sprite registered under label.
const vl::Sprite* registerTestSprite(const std::string& label, int width, int height,
                                     vl::Color color, int slowdown,
                                     const std::vector<std::string>& frames);
