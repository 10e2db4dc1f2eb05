#pragma once

#include <string>

#include <vl/resources/Sprite.h>
#include <vl/world/Vector.h>

// Where vl-sprite puts a sprite's object: the picture, the object's box and
// their outline centred on the cell grid between the two text rows.
vl::Vector stagePosition(const vl::Sprite& sprite);

// Draws one frame of the stage: the sprite's frame at position, an outline
// around the object's box with ticks pointing at the position's row and
// column, and over them a line of facts about the file at the top and one
// about the frame at the bottom.
void drawStage(const vl::Sprite& sprite, const std::string& file, int frame_index,
               vl::Vector position);
