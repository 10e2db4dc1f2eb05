#include "vl/platform/portable/PortablePlatform.h"

#include <SFML/Window/Mouse.hpp>
#include <SFML/Window/VideoMode.hpp>
#include <cstdlib>
#include <utility>

#include "vl/input/KeyName.h"
#include "vl/platform/WindowPlacement.h"

namespace vl {

namespace {

// In the order of MouseButton's values.
constexpr sf::Mouse::Button kButtons[] = {sf::Mouse::Left, sf::Mouse::Right, sf::Mouse::Middle};

sf::IntRect desktopArea() {
    const sf::VideoMode desktop = sf::VideoMode::getDesktopMode();
    return sf::IntRect(0, 0, static_cast<int>(desktop.width), static_cast<int>(desktop.height));
}

}  // namespace

std::string PortablePlatform::missingSupport() {
#ifdef __linux__
    // There the window library draws through X11 and aborts where it finds none.
    if (std::getenv("DISPLAY") == nullptr) {
        return "no X display could be opened";
    }
#endif
    return std::string();
}

OpenedWindow PortablePlatform::openWindow(const WindowRequest& request) {
    const WindowPlacement placement =
        placeWindow(desktopArea(), FrameMargins(), request.picture_size, request.scale);
    OpenedWindow opened;
    opened.scale = placement.scale;
    opened.area = sf::IntRect(placement.frame_corner, placement.size);
    opened.window = std::make_unique<sf::RenderWindow>(
        sf::VideoMode(static_cast<unsigned>(placement.size.x),
                      static_cast<unsigned>(placement.size.y)),
        request.title, sf::Style::Titlebar, sf::ContextSettings());
    if (!opened.window->isOpen()) {
        opened.window.reset();
        return opened;
    }
    opened.window->setPosition(placement.frame_corner);
    return opened;
}

void PortablePlatform::setFullscreen(sf::RenderWindow& window, bool on, const sf::IntRect& area) {
    const sf::IntRect target = on ? desktopArea() : area;
    window.setSize(
        sf::Vector2u(static_cast<unsigned>(target.width), static_cast<unsigned>(target.height)));
    window.setPosition(sf::Vector2i(target.left, target.top));
}

void PortablePlatform::noteWindowEvent(const sf::Event& event) {
    switch (event.type) {
        case sf::Event::Closed:
            close_requested = true;
            break;
        case sf::Event::GainedFocus:
        case sf::Event::LostFocus:
            focused = event.type == sf::Event::GainedFocus;
            focus_moved = true;
            break;
        default:
            break;
    }
}

bool PortablePlatform::takeCloseRequest() {
    return std::exchange(close_requested, false);
}

bool PortablePlatform::takeFocusMove() {
    return std::exchange(focus_moved, false);
}

bool PortablePlatform::sampleDevices() {
    for (const KeyName& name : kKeyNames) {
        keys_down[static_cast<std::size_t>(name.key)] = sf::Keyboard::isKeyPressed(name.sf_key);
    }
    for (std::size_t i = 0; i < buttons_down.size(); ++i) {
        buttons_down[i] = sf::Mouse::isButtonPressed(kButtons[i]);
    }
    return true;
}

bool PortablePlatform::wasKeyDown(Key key) const {
    return findKeyName(key) != nullptr && keys_down[static_cast<std::size_t>(key)];
}

bool PortablePlatform::wasButtonDown(MouseButton button) const {
    const auto index = static_cast<std::size_t>(static_cast<int32_t>(button));
    return button != MouseButton::Undefined && index < buttons_down.size() && buttons_down[index];
}

std::unique_ptr<Platform> makePlatform() {
    return std::make_unique<PortablePlatform>();
}

}  // namespace vl
