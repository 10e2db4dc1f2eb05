#include "PerCellRenderer.h"

#include <SFML/Graphics/Texture.hpp>
#include <algorithm>

PerCellRenderer::PerCellRenderer(sf::RenderWindow& target)
    : window(target), font_loaded(font.loadFromFile(vl::kFontFile)), text("", font, 30) {
    for (int ch = 0; ch < 256; ++ch) {
        font.getGlyph(sf::String(static_cast<char>(ch))[0], 24, true);
    }
}

void PerCellRenderer::drawCell(vl::Vector position, char ch, vl::Color color) {
    if (spent) {
        clear();
    }
    const vl::Vector pixel =
        vl::cellsToPixels(position - vl::WorldManager::getInstance().getView().corner);
    const float width = vl::cellWidth();
    const float height = vl::cellHeight();
    background.setSize(sf::Vector2f(width, height));
    background.setFillColor(sf::Color::Black);
    background.setPosition(pixel.x - width / 10, pixel.y + height / 5);
    window.draw(background);
    text.setString(sf::String(ch));
    text.setStyle(sf::Text::Bold);
    text.setCharacterSize(2 * static_cast<unsigned>(std::min(width, height)));
    if (color >= vl::Black && color <= vl::White) {
        text.setFillColor(vl::toSfColor(color));
    }
    text.setPosition(pixel.x, pixel.y);
    window.draw(text);
}

void PerCellRenderer::presentFrame() {
    window.display();
    spent = true;
}

sf::Image PerCellRenderer::capture() {
    sf::Texture copy;
    copy.create(window.getSize().x, window.getSize().y);
    copy.update(window);
    return copy.copyToImage();
}

void PerCellRenderer::clear() {
    window.clear(sf::Color::Black);
    spent = false;
}
