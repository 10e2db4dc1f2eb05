#include "Mover.h"

long Mover::collisions = 0;

Mover::Mover(vl::Vector position, vl::Vector velocity, vl::Vector size, vl::Solidness solidness) {
    setType("Mover");
    setPosition(position);
    setVelocity(velocity);
    setBox(vl::Box(vl::Vector(-size.x / 2, -size.y / 2), size.x, size.y));
    setSolidness(solidness);
}

int Mover::handleEvent(const vl::Event* event) {
    const std::string& type = event->getType();
    if (type == vl::kOutEvent) {
        turnBack();
        return 1;
    }
    if (type != vl::kCollisionEvent) {
        return 0;
    }
    ++collisions;
    const auto* collision = static_cast<const vl::EventCollision*>(event);
    // Two Solid boxes that keep pushing into each other would stay stuck.
    if (collision->getMover() == this && getSolidness() == vl::Solidness::Solid &&
        collision->getOther()->getSolidness() == vl::Solidness::Solid) {
        turnBack();
    }
    return 1;
}

void Mover::turnBack() {
    vl::Vector back = velocity();
    back.scale(-1);
    setVelocity(back);
}
