#pragma once

#include <string>

// Queues for deletion every frozen display of the given type ("Score" or
// "Timer") that no pixel of the screen shows: one whose text lies wholly under
// the text of a newer display of the same kind at the same place, which is
// drawn after it. A frozen text never changes but for the game-over screen
// setting every score to 0, which keeps it covered; a counting one only grows,
// since seconds and the game's points only add up. So a covered display stays
// covered, and finished games leave at most one display per text width.
void dropCoveredDisplays(const std::string& type);
