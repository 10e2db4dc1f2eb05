#pragma once

// Loads every sprite, sound effect and piece of music of the game into the
// registry, each under its label. Failed loads are skipped; each asset that
// failed or loaded with problems gets one line on stderr naming the file, the
// line and the first problem.
void loadResources();
