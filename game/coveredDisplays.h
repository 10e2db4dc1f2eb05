#pragma once

#include <string>

// Queues for deletion every display of the given type ("Score" or "Timer")
// that no pixel of the screen shows: one whose text lies wholly under the text
// of a newer frozen display of the same kind at the same place, which is drawn
// after it. Only frozen displays are weighed, since their texts no longer
// grow; so finished games leave at most one display per text width.
void dropCoveredDisplays(const std::string& type);
