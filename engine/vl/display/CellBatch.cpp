#include "vl/display/CellBatch.h"

#include <algorithm>

namespace vl {

namespace {

// SFML's font pages keep an opaque white 2 x 2 square at their top-left corner;
// sampling its centre gives pure white whatever the page's size or smoothing.
const sf::Vector2f kWhiteTexel(1, 1);

// sf::Text widens every glyph quad by this much on each side, in pixels and in
// texels, so that smoothing fades the glyph's edge into its transparent border.
constexpr float kGlyphPadding = 1;

constexpr std::size_t kVerticesPerQuad = 6;

}  // namespace

// The clip-space view maps (x, y) to itself: its projection is the identity.
CellBatch::CellBatch() : clip_space_view(sf::FloatRect(-1, 1, 2, -2)) {}

void CellBatch::setView(const sf::View& view) {
    const float* matrix = view.getTransform().getMatrix();
    scale_x = matrix[0];
    scale_y = matrix[5];
    offset_x = matrix[12];
    offset_y = matrix[13];
}

void CellBatch::appendBackground(sf::Vector2f position, sf::Vector2f size, sf::Color color) {
    appendQuad(position, Corners{sf::Vector2f(0, 0), size}, Corners{kWhiteTexel, kWhiteTexel},
               color);
}

sf::FloatRect CellBatch::appendGlyph(sf::Vector2f position, unsigned character_size,
                                     const sf::Glyph& glyph, sf::Color color) {
    // sf::Text puts the baseline one character size below its position.
    const float baseline = static_cast<float>(character_size);
    const sf::FloatRect& bounds = glyph.bounds;
    const Corners local{
        sf::Vector2f(bounds.left - kGlyphPadding, baseline + (bounds.top - kGlyphPadding)),
        sf::Vector2f(bounds.left + bounds.width + kGlyphPadding,
                     baseline + (bounds.top + bounds.height + kGlyphPadding))};
    const sf::IntRect& rect = glyph.textureRect;
    const Corners texture{sf::Vector2f(static_cast<float>(rect.left) - kGlyphPadding,
                                       static_cast<float>(rect.top) - kGlyphPadding),
                          sf::Vector2f(static_cast<float>(rect.left + rect.width) + kGlyphPadding,
                                       static_cast<float>(rect.top + rect.height) + kGlyphPadding)};
    appendQuad(position, local, texture, color);
    return sf::FloatRect(position + local.top_left, local.bottom_right - local.top_left);
}

void CellBatch::appendQuad(sf::Vector2f position, Corners local, Corners texture, sf::Color color) {
    // The driver's combined matrix: its translation is the projection of the
    // position plus the projection's own offset, each product rounded alone.
    const float moved_x = scale_x * position.x;
    const float moved_y = scale_y * position.y;
    const float translate_x = moved_x + offset_x;
    const float translate_y = moved_y + offset_y;
    const auto project_x = [&](float x) {
        const float scaled = scale_x * x;
        return scaled + translate_x;
    };
    const auto project_y = [&](float y) {
        const float scaled = scale_y * y;
        return scaled + translate_y;
    };
    const float left = project_x(local.top_left.x);
    const float right = project_x(local.bottom_right.x);
    const float top = project_y(local.top_left.y);
    const float bottom = project_y(local.bottom_right.y);
    const float u1 = texture.top_left.x;
    const float v1 = texture.top_left.y;
    const float u2 = texture.bottom_right.x;
    const float v2 = texture.bottom_right.y;
    // Two triangles in the corner order sf::Text uses.
    vertices.push_back(sf::Vertex(sf::Vector2f(left, top), color, sf::Vector2f(u1, v1)));
    vertices.push_back(sf::Vertex(sf::Vector2f(right, top), color, sf::Vector2f(u2, v1)));
    vertices.push_back(sf::Vertex(sf::Vector2f(left, bottom), color, sf::Vector2f(u1, v2)));
    vertices.push_back(sf::Vertex(sf::Vector2f(left, bottom), color, sf::Vector2f(u1, v2)));
    vertices.push_back(sf::Vertex(sf::Vector2f(right, top), color, sf::Vector2f(u2, v1)));
    vertices.push_back(sf::Vertex(sf::Vector2f(right, bottom), color, sf::Vector2f(u2, v2)));
}

void CellBatch::drawInto(sf::RenderTarget& target, const sf::Texture& glyph_page) {
    if (vertices.empty()) {
        return;
    }
    const sf::View view = target.getView();
    // The target's viewport still places the picture in the window and clips it.
    sf::View clip_view = clip_space_view;
    clip_view.setViewport(view.getViewport());
    target.setView(clip_view);
    const sf::RenderStates states(&glyph_page);
    constexpr std::size_t kVerticesPerDraw = kQuadsPerDraw * kVerticesPerQuad;
    for (std::size_t first = 0; first < vertices.size(); first += kVerticesPerDraw) {
        const std::size_t count = std::min(kVerticesPerDraw, vertices.size() - first);
        target.draw(&vertices[first], count, sf::Triangles, states);
    }
    target.setView(view);
    vertices.clear();
}

}  // namespace vl
