#pragma once

#include <SFML/Graphics/Image.hpp>
#include <string>

#include <vl/resources/Color.h>
#include <vl/resources/Frame.h>

// Draws the frame's characters in bold in colour on a black square size
// pixels wide. Laid out as the frame's grid, a font advance apart across and a
// font line apart down, their ink is stretched on each axis to fill the square
// less a margin. Returns false, with why in reason, when the font cannot be
// read, the frame's cells do not fill its grid or it has nothing to draw.
bool renderIcon(const vl::Frame& frame, vl::Color color, const std::string& font_file,
                unsigned size, sf::Image& icon, std::string& reason);
