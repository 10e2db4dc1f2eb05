#pragma once

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/RenderWindow.hpp>

// Reads what the X server shows of an area of the window: the presented
// frame, as opposed to the back buffer that captureFrame reads. Where another
// window covers it the result is that window's pixels. An empty image when the
// area is not wholly on the screen.
sf::Image readShownPixels(const sf::RenderWindow& window, sf::IntRect area);
// The same for any window, by its X id.
sf::Image readShownPixels(unsigned long window, sf::IntRect area);

// The screen's size in pixels; (0, 0) without an X display.
sf::Vector2u screenSize();
