#pragma once

#include <chrono>
#include <string>

using BenchClock = std::chrono::steady_clock;

double millisecondsBetween(BenchClock::time_point from, BenchClock::time_point to);
// CPU time of every thread of this process (the renderer's threads included).
double processCpuSeconds();
// CPU time of the threads that are neither the game loop's nor the GL
// driver's: the sound library's, which stream and mix the music.
double soundThreadsCpuSeconds();

// Starts the real game in the run folder (the working directory): engine,
// window, assets, title screen and music. False, after saying why, on failure.
bool startRealGame();
// Stops the music and the engine as the program does when the loop ends.
void stopRealGame();

// An empty, started world whose bounds and view are the 82 x 24 screen, as
// the game manager sizes them.
void startScreenWorld();

int countOf(const std::string& type);
// The number of the level being played, 0 on the title and end screens.
int currentLevel();
