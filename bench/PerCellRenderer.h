#pragma once

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Text.hpp>

#include "vl.h"

// Draws cells the plain way, one sf::RectangleShape and one sf::Text draw per
// cell: what the display's batched drawing is measured against.
class PerCellRenderer {
  public:
    // Loads the font itself from the working directory; check loaded().
    explicit PerCellRenderer(sf::RenderWindow& target);
    bool loaded() const { return font_loaded; }

    void drawCell(vl::Vector position, char ch, vl::Color color);
    // Shows the frame and clears the window to black, as the display does.
    void presentFrame();

  private:
    sf::RenderWindow& window;
    sf::Font font;
    bool font_loaded;
    sf::Text text;
    sf::RectangleShape background;
};
