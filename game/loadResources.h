#pragma once

#include <string>
#include <vector>

// Loads every sprite, sound effect and piece of music of the game into the
// registry, each under its label. Failed loads are skipped; each asset that
// failed or loaded with problems gets one line on stderr naming the file, the
// line and the first problem.
void loadResources();

// The files loadResources reads, relative to the run folder, in load order:
// what a folder must hold, besides the font, to be the game's run folder.
std::vector<std::string> assetFiles();
