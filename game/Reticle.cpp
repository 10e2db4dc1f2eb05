#include "Reticle.h"

Reticle::Reticle() {
    setType("Reticle");
    setSolidness(vl::Solidness::Intangible);
    setAltitude(vl::kMaxAltitude);
    // Outside the world, and so not drawn, until the pointer first moves.
    setPosition(vl::Vector(100, 100));
}

int Reticle::handleEvent(const vl::Event* event) {
    if (event->getType() != vl::kMouseEvent) {
        return 0;
    }
    const auto* mouse = static_cast<const vl::EventMouse*>(event);
    if (mouse->getAction() != vl::MouseAction::Moved) {
        return 0;
    }
    // Written directly: the reticle never collides and never leaves the world.
    setPosition(vl::pixelsToCells(mouse->getPixelPosition()));
    return 1;
}

int Reticle::draw() {
    return vl::DisplayManager::getInstance().drawCell(getPosition(), '+', vl::Green);
}
