#pragma once

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Text.hpp>

#include <vl/vl.h>

// Draws cells the plain way, one sf::RectangleShape and one sf::Text draw per
// cell, into the display's window: the picture the display's batched drawing
// must match, and the cost it is measured against.
class PerCellRenderer {
  public:
    // Loads the font itself from the working directory and lays out every
    // glyph in character order, as the display does, so each glyph lies at the
    // same texel; check loaded().
    explicit PerCellRenderer(sf::RenderWindow& target);
    bool loaded() const { return font_loaded; }

    // The first cell after a frame was shown starts the next frame on black,
    // as the display's first cell does.
    void drawCell(vl::Vector position, char ch, vl::Color color);
    // Shows the frame.
    void presentFrame();
    // The window's back buffer as it is now.
    sf::Image capture();
    // Clears the back buffer to black without showing it.
    void clear();

  private:
    sf::RenderWindow& window;
    sf::Font font;
    bool font_loaded;
    sf::Text text;
    sf::RectangleShape background;
    // Whether the back buffer holds a frame already shown, or another
    // drawer's frame.
    bool spent = true;
};
