#pragma once

#include <string>

// Moves into the game's run folder (see runFolder.h), starts the engine,
// loads the assets, puts the title screen into the world and starts the music.
// Without an audio device it says so in one line on stderr and plays unheard.
// On failure returns -1 and sets reason to a line that names what failed.
int startGame(std::string& reason);

// Runs the game until the player quits, then stops the music and the engine.
void playGame();
