#pragma once

#include <string>

// Moves into the game's run folder (see runFolder.h), starts the engine
// (headless: without a window or audio device), loads the assets, puts the
// title screen into the world and starts the music. On failure returns -1 and
// sets reason to a line that names what failed.
int startGame(std::string& reason, bool headless = false);

// Runs the game until the player quits or a replay ends, sets final_score to
// the last game's score, then stops the music and the engine. Returns what
// the game loop returned: -1 when a replay diverged or its file is bad.
int playGame(int& final_score);
