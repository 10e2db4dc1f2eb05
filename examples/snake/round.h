#pragma once

#include <vl/vl.h>

// The playing field: the cells from (0, 1) to (81, 23). Row 0 holds the score.
// Pieces carry a half-cell box (see pieceBox), so a piece on a field cell
// overlaps the field and one a cell beyond it does not.
inline const vl::Box kField(vl::Vector(0, 1), 81, 22);

// The value display that shows the score, and what one piece of food is worth.
inline constexpr char kScoreTag[] = "Score";
constexpr int kPointsPerFood = 10;

// A box half a cell wide around a piece's position. Boxes that merely touch
// collide, so a box a whole cell wide would collide with the piece in the next
// cell: every part of the snake would hit its neighbours.
vl::Box pieceBox();

// Sets the world to the field and creates the score display and the first round.
void startGame();
// A snake and a piece of food; the score goes back to 0.
void startRound();
// Queues every piece of the round for deletion: the score display stays.
void clearRound();
// A field cell that no live piece is on, searched from a cell picked at
// random; the centre cell when the field is full.
vl::Vector freeCell();
