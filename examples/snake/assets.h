#pragma once

#include <string>

// Registers the example's sprites and sounds, read from the sprites/ and
// sounds/ folders under folder. -1 when any of them cannot be loaded.
int loadAssets(const std::string& folder = ".");
