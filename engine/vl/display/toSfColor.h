#pragma once

#include <SFML/Graphics/Color.hpp>

#include "vl/resources/Color.h"

namespace vl {

/// The window library's colour that a drawing colour shows as. color must be
/// one of the eight.
sf::Color toSfColor(Color color);

}  // namespace vl
