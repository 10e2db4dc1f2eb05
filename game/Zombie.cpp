#include "Zombie.h"

#include "enemyHit.h"

Zombie::Zombie(vl::Vector start) {
    setSprite("zombie");
    setPosition(start);
    setVelocity(vl::Vector(0, 0));
    setType("Zombie");
    // One groan per label: several zombies made in one step are heard once.
    vl::playSound("zombie");
}

Zombie::~Zombie() {
    reportPoints("Zombie", points);
}

int Zombie::handleEvent(const vl::Event* event) {
    if (event->getType() == vl::kStepEvent) {
        return chase();
    }
    if (event->getType() == vl::kCollisionEvent) {
        return takeHit(*this, *static_cast<const vl::EventCollision*>(event));
    }
    return 0;
}

int Zombie::chase() {
    if (--move_countdown > 0) {
        return 1;
    }
    move_countdown = move_slowdown;
    const vl::ObjectList players = vl::WorldManager::getInstance().collectByType("Player");
    if (players.count() == 0) {
        return 1;
    }
    const vl::Vector position = getPosition();
    vl::Vector step = players[0]->getPosition() - position;
    step.normalize();
    // The zombie sets its position itself: its moves are never blocked and
    // raise no collision; the player's own moves find the contact.
    setPosition(position + step);
    return 1;
}
