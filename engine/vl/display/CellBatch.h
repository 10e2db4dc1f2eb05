#pragma once

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Glyph.hpp>
#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/Graphics/Vertex.hpp>
#include <SFML/Graphics/View.hpp>
#include <cstddef>
#include <vector>

namespace vl {

/// Character cells gathered for drawing in a few large calls: opaque cell
/// backgrounds and glyph quads, in the order they were added, giving the same
/// pixels as drawing each with its own sf::RectangleShape and sf::Text.
///
/// Two things make the pixels the same. A shape or a text hands the graphics
/// driver its local corners and its position as a transform; the driver
/// multiplies projection and transform into one matrix before moving the
/// corners, and that rounding decides the texture sampling at a glyph's edge.
/// The batch repeats the arithmetic on the CPU and hands over finished
/// clip-space corners, which the driver passes through unchanged. And the
/// software rasteriser draws a call of a few quads the way it draws a lone
/// glyph, but a long call through a general path that rounds some edge pixels
/// one level apart; so the quads go out in calls of kQuadsPerDraw.
class CellBatch {
  public:
    CellBatch();

    /// The view whose projection the cells are placed with: the one a shape or
    /// text drawn instead would be drawn in.
    void setView(const sf::View& view);

    /// An opaque rectangle whose position and size are as a shape's.
    void appendBackground(sf::Vector2f position, sf::Vector2f size, sf::Color color);
    /// The glyph laid out as sf::Text lays out a one-character string at
    /// position; returns the rectangle its quad covers, in the view's pixels.
    sf::FloatRect appendGlyph(sf::Vector2f position, unsigned character_size,
                              const sf::Glyph& glyph, sf::Color color);

    /// The longest call that the software rasteriser still draws quad by quad.
    static constexpr std::size_t kQuadsPerDraw = 16;

    /// Draws every cell, the glyphs from glyph_page, and empties the batch,
    /// within the viewport of the target's view; the view is left as it was.
    void drawInto(sf::RenderTarget& target, const sf::Texture& glyph_page);

  private:
    struct Corners {
        sf::Vector2f top_left;
        sf::Vector2f bottom_right;
    };

    /// Adds the quad whose local corners are moved by position and projected,
    /// sampling the texture between the texture corners.
    void appendQuad(sf::Vector2f position, Corners local, Corners texture, sf::Color color);

    std::vector<sf::Vertex> vertices;
    float scale_x = 1;
    float scale_y = 1;
    float offset_x = 0;
    float offset_y = 0;
    const sf::View clip_space_view;
};

}  // namespace vl
