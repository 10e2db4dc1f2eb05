#pragma once

#include <vl/vl.h>

// Clears the field when a game ends: every player, bullet, turret, zombie,
// level and reticle is queued for deletion and every score and time display is
// frozen; reset_score also sets the score displays to 0.
void sweepField(bool reset_score);

// The keys of the game-over and win screens: P goes back to the title screen,
// Escape quits. Only presses count.
int handleEndScreenKey(vl::Object& screen, const vl::Event* event);
