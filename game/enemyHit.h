#pragma once

#include <vl/vl.h>

// What a collision does to a zombie or a turret: a bullet that no turret fired
// takes the enemy and itself out of the world (1); anything else does nothing (0).
int takeHit(vl::Object& enemy, const vl::EventCollision& collision);

// Tells the score display what a destroyed enemy was worth.
void reportPoints(const std::string& tag, int points);
