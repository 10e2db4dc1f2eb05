#pragma once

#include <ostream>
#include <string>

// Prints the file's problems to out, then, when the sprite loads, plays its
// animation in a window until Escape or a close request. Returns 0 after the
// window closes, 1 when the sprite does not load or no window can be opened.
int showSprite(const std::string& file, std::ostream& out);
