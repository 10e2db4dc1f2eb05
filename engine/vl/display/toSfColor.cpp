#include "vl/display/toSfColor.h"

#include <array>
#include <cstddef>

namespace vl {

sf::Color toSfColor(Color color) {
    static const std::array<sf::Color, 8> kColors = {
        sf::Color::Black, sf::Color::Red,     sf::Color::Green, sf::Color::Yellow,
        sf::Color::Blue,  sf::Color::Magenta, sf::Color::Cyan,  sf::Color::White};
    return kColors[static_cast<std::size_t>(color)];
}

}  // namespace vl
