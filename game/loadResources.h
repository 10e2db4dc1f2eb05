#pragma once

// Loads every sprite, sound effect and piece of music of the game into the
// registry, each under its label. Failed loads are skipped.
void loadResources();
